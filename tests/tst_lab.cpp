// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lab on the desktop: opened and closed without touching the designed
// scene, its controls reached by Tab and named for a reader, and what the
// experiments show checked against the model's closed forms: a line open on
// three wires pulses along one axis, with the neutral the field's tip runs
// an ellipse of half-axes 1.5 and 0.5, and the open phase's curve is flat.
#include "testapp.h"

#include "desktop/labpanel.h"
#include "desktop/startup.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QToolTip>

#include <cmath>
#include <functional>

using namespace vantrel;

namespace {

// The designed window at 100 %: 1010 x 734 pixels, the stator's centre at
// 4500 twips = 300 pixels, one phase's peak 2000 twips = 133.3 pixels.
const QRect kScene(0, 0, 1010, 734);
const QPointF kCentre(300, 300);
constexpr double kPeak = 2000.0 / 15;
// The resultant is drawn 10 pixels wide with round ends.
constexpr double kResultantPen = 10;

bool whiteInk(QRgb c) { return qRed(c) >= 240 && qGreen(c) >= 240 && qBlue(c) >= 240; }
// At least half covered by the one-pixel path, over the grey of 192.
bool pathInk(QRgb c) { return qRed(c) >= 224 && qGreen(c) >= 224 && qBlue(c) >= 224; }
bool redInk(QRgb c) { return qRed(c) >= 200 && qGreen(c) < 80 && qBlue(c) < 80; }

QList<QPoint> inkIn(const QImage& img, const QRect& area, const std::function<bool(QRgb)>& ink)
{
    QList<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (ink(img.pixel(x, y)))
                found << QPoint(x, y);
        }
    }
    return found;
}

double distance(QPoint p) { return QLineF(QPointF(p) + QPointF(0.5, 0.5), kCentre).length(); }

// The stator's inside, where the phasors, the resultant and its path lie.
const QRect kStator(60, 60, 480, 480);

struct App : TestApp {
    App()
    {
        QApplication::setActiveWindow(&form);
        form.ticker()->stop(); // ticks only where a test asks for them
    }
    LabPanel& panel() const { return *form.labPanel(); }
    QWidget* control(LabId id) const { return panel().control(id); }
    bool open() const { return session.labView().open; }
    // On a check box's box: the rest of its row is no target.
    void click(LabId id) const
    {
        QWidget* w = control(id);
        const QPoint at = qobject_cast<QCheckBox*>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }
    QImage sceneShot() { return form.grab(kScene).toImage(); }
    QString fieldSize() const { return static_cast<QLabel*>(control(LabId::fieldSize))->text(); }
    // A right click on the scene, and a click on the menu's entry for the lab.
    void labFromTheMenu()
    {
        QString entry;
        QTimer::singleShot(50, [&entry] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QAction* lab = menu->findChild<QAction*>(QStringLiteral("labAction"));
            entry = lab ? lab->text() : QString();
            if (lab)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(lab).center());
            else
                menu->close();
        });
        QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, QPoint(120, 420));
        QTRY_VERIFY(!entry.isEmpty());
        QCOMPARE(entry, QStringLiteral("Lab"));
    }
};

} // namespace

class TestLab : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }
    void opensAndClosesWithoutTouchingTheScene_data();
    void opensAndClosesWithoutTouchingTheScene();
    void theSceneTellsOfTheLab();
    void tabReachesEveryLabControl();
    void controlsAreNamed();
    void singlePhasingOnThreeWiresPulsesAlongOneAxis();
    void withTheNeutralThePathIsAnEllipse();
    void ticksKeepThePath();
    void theOpenPhasesCurveIsFlat();
    void amplitudesGoInSteps();
    void stepsWhilePaused_data();
    void stepsWhilePaused();
    void fieldSizeSpokenOnceSettled();
    void designedLessonComesBack();
};

void TestLab::opensAndClosesWithoutTouchingTheScene_data()
{
    QTest::addColumn<bool>("menu");
    QTest::newRow("Ctrl+L") << false;
    QTest::newRow("context menu") << true;
}

// The lab takes room beside the scene: the scene keeps its size and every
// pixel, and closed the window is the designed one again.
void TestLab::opensAndClosesWithoutTouchingTheScene()
{
    QFETCH(bool, menu);
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.setAngle(QStringLiteral("75"));
    const QImage designed = app.shot();
    QCOMPARE(designed.size(), kScene.size());
    const auto toggle = [&] {
        if (menu)
            app.labFromTheMenu();
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
    };

    toggle();
    QVERIFY(app.open());
    QVERIFY(app.panel().isVisible());
    QCOMPARE(app.panel().geometry().left(), kScene.width());
    QVERIFY(app.form.width() > kScene.width());
    QVERIFY(app.form.height() >= kScene.height());
    QCOMPARE(app.sceneShot(), designed);

    toggle();
    QVERIFY(!app.open());
    QVERIFY(!app.panel().isVisible());
    QCOMPARE(app.form.size(), kScene.size());
    QCOMPARE(app.shot(), designed);
}

// Nothing on the closed window shows the lab; the tip over the scene and the
// window's menu tell of it.
void TestLab::theSceneTellsOfTheLab()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    const QPoint overTheStator(120, 420);
    QHelpEvent help(QEvent::ToolTip, overTheStator, app.form.mapToGlobal(overTheStator));
    QApplication::sendEvent(&app.form, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().contains(QStringLiteral("Ctrl+L")), qPrintable(QToolTip::text()));
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());

    // Over a control, the control's own business.
    const QPoint overPlay = app.form.playButton()->geometry().center();
    QHelpEvent onPlay(QEvent::ToolTip, overPlay, app.form.mapToGlobal(overPlay));
    QApplication::sendEvent(&app.form, &onPlay);
    QCoreApplication::processEvents();
    QVERIFY(!QToolTip::isVisible());
}

// After Set Angle, Tab goes through the lab from top to bottom, skipping the
// read-out, and on to Play; Shift+Tab walks back.
void TestLab::tabReachesEveryLabControl()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
    app.form.setAngleButton()->setFocus(Qt::TabFocusReason);
    const auto focused = [] {
        QWidget* w = QApplication::focusWidget();
        // A spin box's focus lies in its line edit.
        if (w && qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            w = w->parentWidget();
        return w ? w->objectName() : QStringLiteral("(none)");
    };
    const QStringList order{"labSequence",   "labR",          "labY",    "labB",         "labNeutral",
                            "labAmplitudeR", "labAmplitudeY", "labAmplitudeB", "labPath", "labHideField",
                            "labStepBack",   "labStepForward", "labDesigned", "cmdPlay"};
    QStringList forward;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focused();
    }
    QCOMPARE(forward, order);
    QStringList back;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        back.prepend(focused());
    }
    QCOMPARE(back, QStringList{"cmdAngle"} + order.mid(0, order.size() - 1));
}

// A reader hears each control by what it shows: a box or button by its
// caption, an amplitude by the caption beside it.
void TestLab::controlsAreNamed()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.form.run(Command::Lab);
    int named = 0;
    for (QObject* o : app.panel().children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty())
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QVERIFY(a);
        const QString name = a->text(QAccessible::Name);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QCOMPARE(name, button->text());
        } else {
            QVERIFY2(qobject_cast<QSpinBox*>(w), qPrintable(w->objectName()));
            const QList<QLabel*> labels = app.panel().findChildren<QLabel*>();
            const auto beside = std::find_if(labels.begin(), labels.end(), [w](QLabel* l) { return l->buddy() == w; });
            QVERIFY(beside != labels.end());
            QCOMPARE(name, (*beside)->text());
        }
        QVERIFY(!name.isEmpty());
        ++named;
    }
    QCOMPARE(named, 13); // 7 check boxes, 3 amplitudes, 3 buttons
}

// R's line open on three wires: Y and B carry one current in series, and the
// field lies along the one axis at right angles to R's: the vertical through
// the centre, from 0 to 1.5 of a phase's peak and back twice a cycle.
void TestLab::singlePhasingOnThreeWiresPulsesAlongOneAxis()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.form.run(Command::Lab);
    app.click(LabId::connectR);
    app.click(LabId::neutral);
    QVERIFY(!static_cast<QCheckBox*>(app.control(LabId::connectR))->isChecked());
    QVERIFY(!static_cast<QCheckBox*>(app.control(LabId::neutral))->isChecked());
    // The current through Y and B passes through nought twice a cycle.
    QVERIFY2(app.fieldSize().contains(QRegularExpression(QStringLiteral("\\(0\\.0\\d to 1\\.50"))),
             qPrintable(app.fieldSize()));

    double reach = 0;
    for (int angle = 0; angle < 629; angle += 37) {
        app.goTo(angle);
        const QList<QPoint> white = inkIn(app.shot(), kStator, whiteInk);
        for (QPoint p : white) {
            QVERIFY2(std::abs(p.x() + 0.5 - kCentre.x()) <= kResultantPen / 2 + 1,
                     qPrintable(QStringLiteral("white at %1,%2 at angle %3").arg(p.x()).arg(p.y()).arg(angle)));
            reach = std::max(reach, std::abs(p.y() + 0.5 - kCentre.y()));
        }
    }
    QVERIFY2(reach > 1.4 * kPeak && reach < 1.5 * kPeak + kResultantPen / 2 + 1, qPrintable(QString::number(reach)));
}

// R's line open with the neutral: the path is an ellipse of half-axes 1.5
// and 0.5 of a phase's peak around the centre. With the field itself hidden
// the path is the only white in the stator.
void TestLab::withTheNeutralThePathIsAnEllipse()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.goTo(100); // no current on a threshold: the marks depend on the angle alone
    const QImage before = app.sceneShot();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
    app.click(LabId::connectR);
    app.click(LabId::hideField);
    QVERIFY(inkIn(app.sceneShot(), kStator, pathInk).isEmpty());
    app.click(LabId::path);
    QVERIFY(app.session.labView().path);

    const QList<QPoint> white = inkIn(app.shot(), kStator, pathInk);
    QVERIFY(white.size() > 500); // a closed line about 890 pixels long
    double nearest = 1e9, farthest = 0;
    for (QPoint p : white) {
        nearest = std::min(nearest, distance(p));
        farthest = std::max(farthest, distance(p));
    }
    QVERIFY2(std::abs(farthest - 1.5 * kPeak) < 2.0, qPrintable(QString::number(farthest)));
    QVERIFY2(std::abs(nearest - 0.5 * kPeak) < 2.0, qPrintable(QString::number(nearest)));
    // Round the centre: as much of it to the left as to the right.
    const auto left = std::count_if(white.begin(), white.end(), [](QPoint p) { return p.x() + 0.5 < kCentre.x(); });
    QVERIFY(std::abs(2.0 * double(left) / double(white.size()) - 1) < 0.05);

    // Taken away, the path leaves the scene as it was.
    app.click(LabId::designed);
    app.goTo(100);
    QCOMPARE(app.sceneShot(), before);
}

// Ticks repaint only what moved, and under it the path: what is on screen is
// what painting the whole window draws.
void TestLab::ticksKeepThePath()
{
    App app;
    QVERIFY(QTest::qWaitForWindowExposed(&app.form));
    app.form.run(Command::Lab);
    app.click(LabId::sequence);
    app.click(LabId::connectB);
    app.click(LabId::path);
    app.form.run(Command::PlayPause);
    for (int tick = 0; tick < 629; ++tick) {
        app.form.tick();
        QCoreApplication::processEvents();
        if (tick % 37 != 0)
            continue;
        const QImage onScreen = app.form.screen()->grabWindow(app.form.winId()).toImage();
        QCOMPARE(onScreen.convertToFormat(QImage::Format_RGB32), app.shot().convertToFormat(QImage::Format_RGB32));
    }
}

// The chart draws the open phase's current as nothing: a flat red line on
// its zero, half-way down the chart, where the designed one swings over it.
void TestLab::theOpenPhasesCurveIsFlat()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    const QRect chart = app.form.elementRect(Id::waveformChart).toAlignedRect().adjusted(2, 2, -2, -2);
    const auto redRows = [&] {
        const QList<QPoint> red = inkIn(app.shot(), chart, redInk);
        QPair<int, int> rows{INT_MAX, -1};
        for (QPoint p : red)
            rows = {std::min(rows.first, p.y()), std::max(rows.second, p.y())};
        return rows;
    };
    const auto designed = redRows();
    QVERIFY(designed.second - designed.first > chart.height() / 2);

    app.form.run(Command::Lab);
    app.click(LabId::connectR);
    const auto open = redRows();
    QVERIFY2(open.second - open.first <= 3, qPrintable(QStringLiteral("%1-%2").arg(open.first).arg(open.second)));
    QVERIFY(std::abs((open.first + open.second) / 2.0 - chart.center().y()) < 4);
}

// A typed amplitude is taken to the nearest step of 5 and the box shows it;
// Y at half its current gives a field from 1.00 to 1.50 of a phase's peak.
void TestLab::amplitudesGoInSteps()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.form.run(Command::Lab);
    auto* y = static_cast<QSpinBox*>(app.control(LabId::amplitudeY));
    QCOMPARE(y->value(), 100);
    y->setFocus(Qt::TabFocusReason);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("52"));
    QCOMPARE(app.session.experiment().amplitude[Y], 100); // taken once complete
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(app.session.experiment().amplitude[Y], 50);
    QCOMPARE(y->value(), 50);
    QVERIFY2(app.fieldSize().contains(QStringLiteral("(1.00 to 1.50")), qPrintable(app.fieldSize()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(app.session.experiment().amplitude[Y], 55);
}

void TestLab::stepsWhilePaused_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("angle"); // after Ctrl+Right, Ctrl+Left twice, from 0
    // Round the cycle of 629 ticks: back from 0 is 628.
    QTest::newRow("open, paused, from the box") << true << false << "txtAngle" << 628;
    QTest::newRow("open, paused, from Play") << true << false << "cmdPlay" << 628;
    QTest::newRow("open, paused, from an amplitude") << true << false << "labAmplitudeB" << 628;
    QTest::newRow("open, playing") << true << true << "cmdPlay" << 0;
    QTest::newRow("closed") << false << false << "txtAngle" << 0;
}

void TestLab::stepsWhilePaused()
{
    QFETCH(bool, open);
    QFETCH(bool, playing);
    QFETCH(QString, focus);
    QFETCH(int, angle);
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    if (open)
        app.form.run(Command::Lab);
    if (playing)
        app.form.run(Command::PlayPause);
    QWidget* target = app.form.findChild<QWidget*>(focus);
    target->setFocus(Qt::TabFocusReason);
    QWidget* keys = QApplication::focusWidget();
    QTest::keyClick(keys, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(int{app.state.angle}, angle == 628 ? 1 : 0);
    QTest::keyClick(keys, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(keys, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(int{app.state.angle}, angle);
    QCOMPARE(app.form.angleBox()->text(), QStringLiteral("60"));
    if (open && !playing) {
        app.click(LabId::stepForward);
        QCOMPARE(int{app.state.angle}, 0); // 628 on round to 0
        QCOMPARE(QString::fromStdString(app.form.scene()[Id::readOut].caption), QStringLiteral("0 deg."));
    }
}

// The read-out follows every tick on screen, but a reader hears the field's
// size once the frame has settled, as with the angle's read-out.
void TestLab::fieldSizeSpokenOnceSettled()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.form.run(Command::Lab);
    app.click(LabId::connectR); // with the neutral: 0.50 to 1.50
    auto* readOut = static_cast<QLabel*>(app.control(LabId::fieldSize));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(readOut);
    // With no current in R, Y and B alone make the balanced field's 1.5; a
    // quarter cycle on, R would be at its peak, and without it 1.5 - 1 is left.
    app.goTo(0);
    const QString settled = readOut->text();
    QVERIFY2(settled.startsWith(QStringLiteral("Field size 1.50 (0.50 to 1.50")), qPrintable(settled));
    QCOMPARE(a->text(QAccessible::Name), settled);
    app.form.run(Command::PlayPause);
    for (int i = 0; i < 157; ++i)
        app.form.tick();
    QVERIFY2(readOut->text().startsWith(QStringLiteral("Field size 0.50")), qPrintable(readOut->text()));
    QCOMPARE(a->text(QAccessible::Name), settled);
    app.form.run(Command::PlayPause);
    QCOMPARE(a->text(QAccessible::Name), readOut->text());
}

// The designed lesson back: every box as at the start, the chart as
// designed, and the path gone.
void TestLab::designedLessonComesBack()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.goTo(100);
    const QImage designed = app.shot();
    app.form.run(Command::Lab);
    QList<bool> checked;
    for (LabId id : {LabId::sequence, LabId::connectR, LabId::connectY, LabId::connectB, LabId::neutral,
                     LabId::path, LabId::hideField}) {
        auto* box = static_cast<QCheckBox*>(app.control(id));
        checked << box->isChecked();
        app.click(id);
        QCOMPARE(box->isChecked(), !checked.back());
    }
    QVERIFY(app.sceneShot() != designed);
    app.click(LabId::designed);
    QCOMPARE(checked, (QList<bool>{false, true, true, true, true, false, false}));
    int i = 0;
    for (LabId id : {LabId::sequence, LabId::connectR, LabId::connectY, LabId::connectB, LabId::neutral,
                     LabId::path, LabId::hideField})
        QCOMPARE(static_cast<QCheckBox*>(app.control(id))->isChecked(), checked[i++]);
    app.form.run(Command::Lab);
    app.goTo(100);
    QCOMPARE(app.shot(), designed);
}

QTEST_MAIN(TestLab)
#include "tst_lab.moc"
