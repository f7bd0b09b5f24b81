// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lab on the desktop, against the model's closed forms: at 100 % the
// centre is 4500 twips = 300 px and a phase's peak 2000 twips = 133.3 px.
#include "testapp.h"

#include "desktop/labpanel.h"
#include "desktop/startup.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include <functional>

using namespace vantrel;

namespace {

const QRect kScene(0, 0, 1010, 734), kStator(60, 60, 480, 480);
const QRect kDrawing(0, 0, 1010, 480); // the stator and the chart, above the controls
const QPointF kCentre(300, 300);
constexpr double kPeak = 2000.0 / 15;

using Ink = std::function<bool(QRgb)>;
const Ink kWhite = [](QRgb c) { return qRed(c) >= 224 && qGreen(c) >= 224 && qBlue(c) >= 224; }; // half on grey 192
const Ink kRed = [](QRgb c) { return qRed(c) >= 200 && qGreen(c) < 80 && qBlue(c) < 80; };

QList<QPointF> inkIn(const QImage& img, const QRect& area, const Ink& ink)
{
    QList<QPointF> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ink(img.pixel(x, y)))
                found << QPointF(x + 0.5, y + 0.5);
    return found;
}

struct App : TestApp {
    App() { form.ticker()->stop(); }
    QWidget* control(LabId id) const { return form.labPanel()->control(id); }
    bool open() const { return session.labView().open; }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k, Qt::ControlModifier); }
    // On a check box's box: the rest of its row is no target.
    void click(LabId id) const
    {
        QWidget* w = control(id);
        const QPoint at = qobject_cast<QCheckBox*>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }
    void menuEntry()
    {
        QTimer::singleShot(50, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QAction* lab = menu ? menu->findChild<QAction*>(QStringLiteral("labAction")) : nullptr;
            QVERIFY(lab && lab->text() == QLatin1String("Lab"));
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(lab).center());
        });
        QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, QPoint(120, 420));
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }
};

} // namespace

class TestLab : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }
    void opensBesideTheScene_data();
    void opensBesideTheScene();
    void tabReachesEveryControl();
    void singlePhasingOnThreeWiresPulsesVertically();
    void pathWithTheNeutralIsAnEllipse();
    void stepsByKeys_data();
    void stepsByKeys();
};

void TestLab::opensBesideTheScene_data()
{
    QTest::addColumn<bool>("menu");
    QTest::newRow("Ctrl+L") << false;
    QTest::newRow("context menu") << true;
}

// The scene keeps its size and every pixel; closed, the window is as designed.
void TestLab::opensBesideTheScene()
{
    QFETCH(bool, menu);
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.setAngle(QStringLiteral("75"));
    const QImage designed = app.shot();
    const auto toggle = [&] { menu ? app.menuEntry() : app.key(Qt::Key_L); };
    toggle();
    QVERIFY(app.open() && app.form.labPanel()->isVisible());
    QCOMPARE(app.form.labPanel()->x(), kScene.width());
    QCOMPARE(app.form.grab(kScene).toImage(), designed);
    toggle();
    QVERIFY(!app.open() && !app.form.labPanel()->isVisible());
    QCOMPARE(app.form.size(), kScene.size());
    QCOMPARE(app.shot(), designed);
}

// After Set Angle, Tab goes through the lab's controls, each named for a
// reader, skipping the read-out, and round to Play.
void TestLab::tabReachesEveryControl()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.key(Qt::Key_L);
    app.form.setAngleButton()->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 14; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            w = w->parentWidget(); // a spin box's focus lies in its line edit
        QVERIFY(!w->accessibleName().isEmpty() || w == app.form.playButton());
        visited << w->objectName();
    }
    QCOMPARE(visited, (QStringList{"labSequence", "labR", "labY", "labB", "labNeutral", "labAmplitudeR",
                                   "labAmplitudeY", "labAmplitudeB", "labPath", "labHideField", "labStepBack",
                                   "labStepForward", "labDesigned", "cmdPlay"}));
}

// R open on three wires: Y and B in series make a field along the vertical
// through the centre (the resultant 10 px wide), pulsing up to 1.5 peaks.
void TestLab::singlePhasingOnThreeWiresPulsesVertically()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.key(Qt::Key_L);
    app.click(LabId::connectR);
    app.click(LabId::neutral);
    QVERIFY(!static_cast<QCheckBox*>(app.control(LabId::connectR))->isChecked());
    double reach = 0;
    for (int angle = 0; angle < 629; angle += 37) {
        app.goTo(angle);
        for (QPointF p : inkIn(app.shot(), kStator, kWhite)) {
            QVERIFY2(std::abs(p.x() - kCentre.x()) <= 6, qPrintable(QStringLiteral("%1 at %2").arg(p.x()).arg(angle)));
            reach = std::max(reach, std::abs(p.y() - kCentre.y()));
        }
    }
    QVERIFY2(reach > 1.4 * kPeak && reach < 1.5 * kPeak + 6, qPrintable(QString::number(reach)));
}

// R open with the neutral: the chart's red curve is flat on its zero, half-way
// down, where the designed one swings over half its height; the path is an
// ellipse of half-axes 1.5 and 0.5 peaks, the only white with the field
// hidden; ticks keep it as a full repaint draws it; the designed lesson
// takes it all back.
void TestLab::pathWithTheNeutralIsAnEllipse()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    const QRect chart = app.form.elementRect(Id::waveformChart).toAlignedRect().adjusted(2, 2, -2, -2);
    const auto redRows = [&] {
        double top = 1e9, bottom = -1;
        for (QPointF p : inkIn(app.shot(), chart, kRed))
            top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
        return std::pair(top, bottom);
    };
    QVERIFY(redRows().second - redRows().first > chart.height() / 2);
    app.goTo(100); // no current on a threshold: the marks follow the angle alone
    const QImage before = app.form.grab(kDrawing).toImage();
    app.key(Qt::Key_L);
    for (LabId id : {LabId::connectR, LabId::hideField, LabId::path})
        app.click(id);
    const auto [top, bottom] = redRows();
    QVERIFY2(bottom - top <= 3 && std::abs((top + bottom) / 2 - chart.center().y()) < 4,
             qPrintable(QStringLiteral("%1 to %2").arg(top).arg(bottom)));
    const QList<QPointF> white = inkIn(app.shot(), kStator, kWhite);
    QVERIFY(white.size() > 500); // a closed line about 890 px long
    double nearest = 1e9, farthest = 0, left = 0;
    for (QPointF p : white) {
        nearest = std::min(nearest, QLineF(p, kCentre).length());
        farthest = std::max(farthest, QLineF(p, kCentre).length());
        left += p.x() < kCentre.x();
    }
    QVERIFY2(std::abs(farthest - 1.5 * kPeak) < 2 && std::abs(nearest - 0.5 * kPeak) < 2,
             qPrintable(QStringLiteral("%1 to %2").arg(nearest).arg(farthest)));
    QVERIFY(std::abs(2 * left / white.size() - 1) < 0.05); // round the centre

    app.click(LabId::hideField);
    app.form.run(Command::PlayPause);
    for (int tick = 0; tick < 629; ++tick) {
        app.form.tick();
        QCoreApplication::processEvents();
        if (tick % 37 == 0)
            QCOMPARE(app.form.screen()->grabWindow(app.form.winId()).toImage().convertToFormat(QImage::Format_RGB32),
                     app.shot().convertToFormat(QImage::Format_RGB32));
    }
    app.form.run(Command::PlayPause);
    app.click(LabId::designed);
    app.goTo(100);
    QCOMPARE(app.form.grab(kDrawing).toImage(), before);
}

void TestLab::stepsByKeys_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("angle"); // after Ctrl+Right, then Ctrl+Left twice, from 0
    QTest::newRow("open, from the box") << true << false << "txtAngle" << 628; // the cycle is 0 to 628
    QTest::newRow("open, from an amplitude") << true << false << "labAmplitudeB" << 628;
    QTest::newRow("open, playing") << true << true << "cmdPlay" << 0;
    QTest::newRow("closed: the box's own keys") << false << false << "txtAngle" << 0;
}

void TestLab::stepsByKeys()
{
    QFETCH(bool, open);
    QFETCH(bool, playing);
    QFETCH(QString, focus);
    QFETCH(int, angle);
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    if (open)
        app.key(Qt::Key_L);
    if (playing)
        app.form.run(Command::PlayPause);
    app.form.findChild<QWidget*>(focus)->setFocus(Qt::TabFocusReason);
    app.key(Qt::Key_Right);
    QCOMPARE(int{app.state.angle}, angle ? 1 : 0);
    app.key(Qt::Key_Left);
    app.key(Qt::Key_Left);
    QCOMPARE(int{app.state.angle}, angle);
    QCOMPARE(app.form.angleBox()->text(), QStringLiteral("60"));
    if (open && !playing) {
        app.click(LabId::stepForward);
        QCOMPARE(QString::fromStdString(app.form.scene()[Id::readOut].caption), QStringLiteral("0 deg."));
    }
}

QTEST_MAIN(TestLab)
#include "tst_lab.moc"
