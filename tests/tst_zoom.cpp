// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Zoom and full screen: every element at its designed place times the zoom,
// the keys from anywhere in the window, and full screen fitted to the screen.
//
// Runs on an offscreen screen of 1920 x 1080. To compare the zoom with Qt's
// own scaling, it starts itself once more with QT_SCALE_FACTOR=1.5 and
// paints the same frame there at 100 %. `--scale F` runs it at a
// device-pixel ratio of F instead of 1.
#include "inkextent.h"
#include "testapp.h"

#include "desktop/startup.h"
#include "desktop/mainwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace vantrel;

namespace {

constexpr double kTwipsAt100 = 15.0;
const QSize kScreen(1920, 1080);

// Twips to pixels at a zoom, written apart from the program's own mapping.
double px(double twips, double zoom) { return twips / kTwipsAt100 * zoom; }
QRectF pxRect(double l, double t, double w, double h, double zoom)
{
    return {px(l, zoom), px(t, zoom), px(w, zoom), px(h, zoom)};
}

struct App : TestApp {
    App() { QApplication::setActiveWindow(&form); }
    void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods = Qt::ControlModifier)
    {
        QTest::keyClick(target, key, mods);
    }
    // Steps the zoom with Ctrl+Plus or Ctrl+Minus from the angle box.
    void zoomBy(int presses)
    {
        for (int i = 0; i < std::abs(presses); ++i)
            press(form.angleBox(), presses > 0 ? Qt::Key_Plus : Qt::Key_Minus);
    }
    QImage onScreen()
    {
        return form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
};

// Largest difference of any colour channel between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            worst = std::max({worst, std::abs(qRed(p[x]) - qRed(q[x])), std::abs(qGreen(p[x]) - qGreen(q[x])),
                              std::abs(qBlue(p[x]) - qBlue(q[x]))});
        }
    }
    return worst;
}

QString describe(const QRectF& r)
{
    return QStringLiteral("%1,%2 to %3,%4").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

// Compares the edges that `edges` names ("ltrb") within `tolerance` pixels.
void compareEdges(const QRectF& got, const QRectF& want, double tolerance, const char* what,
                  const QString& edges = QStringLiteral("ltrb"))
{
    const QString message = QStringLiteral("%1: %2, expected %3").arg(QLatin1String(what), describe(got), describe(want));
    QVERIFY2(!got.isEmpty(), qPrintable(message));
    const auto near = [&](double a, double b) { return std::abs(a - b) <= tolerance; };
    QVERIFY2(!edges.contains(QLatin1Char('l')) || near(got.left(), want.left()), qPrintable(message));
    QVERIFY2(!edges.contains(QLatin1Char('t')) || near(got.top(), want.top()), qPrintable(message));
    QVERIFY2(!edges.contains(QLatin1Char('r')) || near(got.right(), want.right()), qPrintable(message));
    QVERIFY2(!edges.contains(QLatin1Char('b')) || near(got.bottom(), want.bottom()), qPrintable(message));
}

// The frame at 90 degrees, angle 157: the cursor at x 10596 twips, the red
// phasor 1999 twips long pointing left from (4500, 4500), a cross on R1.
void checkFrameAt90(const QImage& img, double zoom, QPointF origin)
{
    const auto at = [&](QRectF r) { return r.translated(origin); };
    // The 2-pixel cursor, from 40 twips below the chart's top to 35 above its bottom.
    const double cursor = px(10596, zoom);
    compareEdges(inkExtent(img, at(pxRect(9300, 2020, 1800, 4960, zoom)), black),
                 at(QRectF(cursor - zoom, px(2040, zoom), 2 * zoom, px(4920, zoom))), 1.0, "cursor");
    // R1's ring, 600 twips across around (4500, 1140), half its 5-pixel outline outside.
    compareEdges(inkExtent(img, at(pxRect(4100, 760, 800, 760, zoom)), red),
                 at(pxRect(4200, 840, 600, 600, zoom).adjusted(-2.5 * zoom, -2.5 * zoom, 2.5 * zoom, 2.5 * zoom)), 1.0,
                 "R1's ring");
    // The red phasor's round end, 10 pixels wide.
    compareEdges(inkExtent(img, at(pxRect(2000, 4300, 2300, 400, zoom)), red),
                 at(QRectF(px(2501, zoom) - 5 * zoom, px(4500, zoom) - 5 * zoom, 0, 10 * zoom)), 1.0,
                 "red phasor", QStringLiteral("ltb"));
    // The label "R1" within its rectangle, its letters as tall as most of it.
    const QRectF label = at(pxRect(4320, 360, 375, 300, zoom));
    const QRectF letters = inkExtent(img, label.adjusted(-4, -4, 4, 4), red);
    QVERIFY2(label.adjusted(-0.5, -0.5, 0.5, 0.5).contains(letters), qPrintable(describe(letters)));
    QVERIFY2(letters.height() > label.height() * 0.4, qPrintable(describe(letters)));
    // The chart's white paper fills Image1, 5320 x 4995 twips at (9195, 2000).
    const QRectF chart = at(pxRect(9195, 2000, 5320, 4995, zoom));
    compareEdges(inkExtent(img, chart.adjusted(-4, -4, 4, 4), white), chart, 1.0, "chart");
}

} // namespace

class TestZoom : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void stepsPlaceEverything_data();
    void stepsPlaceEverything();
    void backTo100IsTheDesign();
    void agreesWithQtScaling_data();
    void agreesWithQtScaling();
    void keys_data();
    void keys();
    void wheel();
    void fullScreen();
    void escape_data();
    void escape();
    void ticksLeaveWhatAFullRepaintDraws_data();
    void ticksLeaveWhatAFullRepaintDraws();
    void accessibleRectsFollow();

private:
    QImage qtScaled_;
};

void TestZoom::initTestCase()
{
    setUpApplication();
    if (qApp->devicePixelRatio() != 1.0)
        return; // only the checks that hold at any ratio run
    QCOMPARE(QGuiApplication::primaryScreen()->size(), kScreen);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("scaled.png"));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1.5"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--shoot"), file});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
    qtScaled_ = QImage(file);
    QCOMPARE(qtScaled_.size(), QSize(1515, 1101));
}

void TestZoom::stepsPlaceEverything_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("presses"); // Ctrl+Plus (or Minus, below 0) from 100 %
    QTest::addColumn<QSize>("client");
    // 15150 x 11010 twips at 15 / zoom twips a pixel, rounded.
    QTest::newRow("67 %") << 0.67 << -4 << QSize(677, 492);
    QTest::newRow("75 %") << 0.75 << -3 << QSize(758, 551);
    QTest::newRow("80 %") << 0.8 << -2 << QSize(808, 587);
    QTest::newRow("90 %") << 0.9 << -1 << QSize(909, 661);
    QTest::newRow("100 %") << 1.0 << 0 << QSize(1010, 734);
    QTest::newRow("110 %") << 1.1 << 1 << QSize(1111, 807);
    QTest::newRow("125 %") << 1.25 << 2 << QSize(1263, 918);
    QTest::newRow("150 %") << 1.5 << 3 << QSize(1515, 1101);
    QTest::newRow("175 %") << 1.75 << 4 << QSize(1768, 1285);
    QTest::newRow("200 %") << 2.0 << 5 << QSize(2020, 1468);
    QTest::newRow("250 %") << 2.5 << 6 << QSize(2525, 1835);
    QTest::newRow("300 %") << 3.0 << 7 << QSize(3030, 2202);
}

void TestZoom::stepsPlaceEverything()
{
    QFETCH(double, zoom);
    QFETCH(int, presses);
    QFETCH(QSize, client);
    App app;
    app.shot(); // the pictures drawn once at 100 % must not stay
    app.zoomBy(presses);
    QCOMPARE(app.form.zoom(), zoom);
    QCOMPARE(app.form.size(), client);
    app.setAngle(QStringLiteral("90"));
    checkFrameAt90(app.shot(), zoom, QPointF());
    // A control keeps its designed rectangle times the zoom: Set Angle at
    // (12480, 8280), 2055 x 450 twips.
    compareEdges(QRectF(app.form.setAngleButton()->geometry()),
                 pxRect(12480, 8280, 2055, 450, zoom), 1.0, "Set Angle");
    QCOMPARE(app.form.setAngleButton()->font().pixelSize(), qRound(9.75 * 20 / kTwipsAt100 * zoom));
}

// Zooming and coming back draws the designed window again, pixel for pixel.
void TestZoom::backTo100IsTheDesign()
{
    App app;
    app.setAngle(QStringLiteral("90"));
    const QImage designed = app.shot();
    QList<QRect> places;
    const auto children = app.form.findChildren<QWidget*>();
    for (QWidget* w : children)
        places << w->geometry();
    app.zoomBy(5);
    app.press(app.form.angleBox(), Qt::Key_0);
    QCOMPARE(app.form.size(), QSize(1010, 734));
    QCOMPARE(app.shot(), designed);
    for (qsizetype i = 0; i < children.size(); ++i)
        QCOMPARE(children[i]->geometry(), places[i]);
}

void TestZoom::agreesWithQtScaling_data()
{
    QTest::addColumn<QRectF>("area"); // where to look, in pixels at 150 %
    QTest::addColumn<Ink>("ink");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("time cursor") << QRectF(900, 180, 570, 540) << Ink(black) << 1.0;
    QTest::newRow("R1's ring") << QRectF(405, 70, 90, 87) << Ink(red) << 1.0;
    QTest::newRow("red phasor's end") << QRectF(455, 420, 255, 60) << Ink(red) << 1.0;
    QTest::newRow("chart") << QRectF(900, 180, 570, 540) << Ink(white) << 1.0;
    // Fonts are sized in whole pixels at each zoom and hinted at each size:
    // over a line of text the rounded advances add up to a few pixels.
    QTest::newRow("label text") << QRectF(936, 132, 205, 37) << Ink(black) << 3.0;
    QTest::newRow("legend text in its frame") << QRectF(192, 948, 193, 50) << Ink(black) << 3.0;
    QTest::newRow("Set Angle's caption") << QRectF(1256, 834, 190, 34) << Ink(black) << 3.0;
}

// At 150 % the scene is what Qt's own scaling by 1.5 makes of the designed one.
void TestZoom::agreesWithQtScaling()
{
    QFETCH(QRectF, area);
    QFETCH(Ink, ink);
    QFETCH(double, tolerance);
    App app;
    app.zoomBy(3);
    app.setAngle(QStringLiteral("270"));
    const QImage zoomed = app.shot();
    const QRectF mine = inkExtent(zoomed, area, ink);
    const QRectF qts = inkExtent(qtScaled_, area, ink);
    QVERIFY(!qts.isEmpty());
    QVERIFY(qts.width() < area.width() && qts.height() < area.height());
    compareEdges(mine, qts, tolerance, "zoomed against Qt's scaling");
}

void TestZoom::keys_data()
{
    QTest::addColumn<bool>("inBox"); // else on Play
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("mods");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers keypad = Qt::ControlModifier | Qt::KeypadModifier;
    QTest::newRow("Ctrl+Shift+Plus in the box") << true << int{Qt::Key_Plus} << (ctrl | Qt::ShiftModifier) << 1.0 << 1.1;
    QTest::newRow("Ctrl+= in the box") << true << int{Qt::Key_Equal} << ctrl << 1.1 << 1.25;
    QTest::newRow("keypad plus in the box") << true << int{Qt::Key_Plus} << keypad << 2.5 << 3.0;
    QTest::newRow("keypad minus in the box") << true << int{Qt::Key_Minus} << keypad << 0.75 << 0.67;
    QTest::newRow("Ctrl+Plus on Play") << false << int{Qt::Key_Plus} << ctrl << 1.5 << 1.75;
    QTest::newRow("Ctrl+Plus at 300 %") << false << int{Qt::Key_Plus} << ctrl << 3.0 << 3.0;
    QTest::newRow("Ctrl+Minus at 67 %") << false << int{Qt::Key_Minus} << ctrl << 0.67 << 0.67;
    QTest::newRow("Ctrl+0 on Play") << false << int{Qt::Key_0} << ctrl << 0.8 << 1.0;
    QTest::newRow("plain plus types") << true << int{Qt::Key_Plus} << Qt::KeyboardModifiers{} << 1.0 << 1.0;
}

void TestZoom::keys()
{
    QFETCH(bool, inBox);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, mods);
    QFETCH(double, from);
    QFETCH(double, to);
    App app;
    app.form.setZoom(from);
    QWidget* target = inBox ? static_cast<QWidget*>(app.form.angleBox()) : app.form.playButton();
    target->setFocus();
    app.form.angleBox()->end(false);
    app.press(target, static_cast<Qt::Key>(key), mods);
    QCOMPARE(app.form.zoom(), to);
    QCOMPARE(app.form.size(), QSize(qRound(1010 * to), qRound(734 * to)));
    QCOMPARE(QApplication::focusWidget(), target);
    // Only a key without Ctrl reaches the box's text.
    QCOMPARE(app.form.angleBox()->text(), mods & Qt::ControlModifier ? QStringLiteral("60") : QStringLiteral("60+"));
    QCOMPARE(app.state.angle, std::int16_t{0});
}

void TestZoom::wheel()
{
    App app;
    QLineEdit* box = app.form.angleBox();
    const auto turn = [&](int delta, Qt::KeyboardModifiers mods) {
        const QPointF at = box->rect().center();
        QWheelEvent event(at, box->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, mods, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(box, &event);
    };
    turn(120, Qt::ControlModifier);
    QCOMPARE(app.form.zoom(), 1.1);
    turn(-240, Qt::ControlModifier); // two notches at once
    QCOMPARE(app.form.zoom(), 0.9);
    turn(60, Qt::ControlModifier); // half a notch, as a touchpad sends it
    QCOMPARE(app.form.zoom(), 0.9);
    turn(60, Qt::ControlModifier);
    QCOMPARE(app.form.zoom(), 1.0);
    turn(120, Qt::NoModifier);
    QCOMPARE(app.form.zoom(), 1.0);
}

// Full screen fits the whole designed client area, centred; the zoom keys
// step from there; F11 brings back the window as it was.
void TestZoom::fullScreen()
{
    App app;
    app.zoomBy(2); // 125 %
    // A size of the user's own, not the zoom's, and a place of their own.
    app.form.setGeometry(40, 30, 1300, 950);
    app.setAngle(QStringLiteral("90"));
    const QRect before = app.form.geometry();
    const QImage windowed = app.shot();
    QLineEdit* box = app.form.angleBox();

    app.press(box, Qt::Key_F11, {});
    QVERIFY(app.form.isFullScreen());
    QTRY_COMPARE(app.form.geometry(), QRect(QPoint(), kScreen));
    // 734 designed pixels high fill 1080: the width then takes 1486 of 1920.
    const double fit = 1080.0 / 734;
    QVERIFY2(std::abs(app.form.zoom() - fit) < 1e-9, qPrintable(QString::number(app.form.zoom())));
    const QPointF origin((1920 - 1010 * fit) / 2, 0);
    QVERIFY(std::abs(app.form.sceneOrigin().x() - origin.x()) <= 1);
    QCOMPARE(app.form.sceneOrigin().y(), 0);
    QImage img = app.shot();
    checkFrameAt90(img, fit, app.form.sceneOrigin());
    QCOMPARE(img.pixelColor(100, 540), QColor(192, 192, 192)); // grey beside the scene
    QCOMPARE(img.pixelColor(1820, 540), QColor(192, 192, 192));
    compareEdges(QRectF(app.form.setAngleButton()->geometry()),
                 pxRect(12480, 8280, 2055, 450, fit).translated(app.form.sceneOrigin()), 1.0, "Set Angle");

    // Zooming out keeps the scene in the middle of the screen.
    app.press(box, Qt::Key_Minus);
    QVERIFY(app.form.isFullScreen());
    QCOMPARE(app.form.zoom(), 1.25);
    QCOMPARE(app.form.sceneOrigin(), QPoint((1920 - 1263) / 2, (1080 - 918) / 2));
    checkFrameAt90(app.shot(), 1.25, app.form.sceneOrigin());
    // Zoomed beyond the screen's height, it keeps its top on the screen.
    app.press(box, Qt::Key_Plus);
    app.press(box, Qt::Key_Plus);
    QCOMPARE(app.form.zoom(), 1.75);
    QCOMPARE(app.form.sceneOrigin(), QPoint((1920 - 1768) / 2, 0));

    app.press(box, Qt::Key_F11, {});
    QVERIFY(!app.form.isFullScreen());
    QCOMPARE(app.form.zoom(), 1.25);
    QTRY_COMPARE(app.form.geometry(), before);
    QCOMPARE(app.form.sceneOrigin(), QPoint());
    QCOMPARE(app.shot(), windowed);
}

void TestZoom::escape_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<bool>("about");
    QTest::newRow("full screen") << true << false;
    QTest::newRow("full screen, About box open") << true << true;
    QTest::newRow("a window: nothing to leave") << false << false;
}

// Escape leaves full screen, but an open About box takes it first.
void TestZoom::escape()
{
    QFETCH(bool, full);
    QFETCH(bool, about);
    App app;
    if (full) {
        app.press(app.form.playButton(), Qt::Key_F11, {});
        QTRY_COMPARE(app.form.size(), kScreen);
    }
    QCOMPARE(app.form.isFullScreen(), full);
    if (about) {
        bool opened = false, fullWhileOpen = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll.stop();
                opened = true;
                QTest::keyClick(box, Qt::Key_Escape);
                fullWhileOpen = app.form.isFullScreen();
            }
        });
        poll.start(10);
        // A click where the picture is drawn, centred on the screen.
        QTest::mouseClick(&app.form, Qt::LeftButton, {}, app.form.elementRect(Id::aboutButton).center().toPoint());
        QVERIFY(opened);
        QVERIFY(fullWhileOpen);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(app.form.isFullScreen());
        QApplication::setActiveWindow(&app.form);
    }
    // Outside full screen Escape stays with the focused control.
    struct EscapeSeen : QObject {
        bool seen = false;
        bool eventFilter(QObject*, QEvent* e) override
        {
            seen = seen || (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape);
            return false;
        }
    } play;
    app.form.playButton()->installEventFilter(&play);
    app.press(app.form.playButton(), Qt::Key_Escape, {});
    QCOMPARE(play.seen, !full);
    QVERIFY(!app.form.isFullScreen());
    QTRY_COMPARE(app.form.size(), QSize(1010, 734));
    QCOMPARE(app.form.zoom(), 1.0);
}

void TestZoom::ticksLeaveWhatAFullRepaintDraws_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("full");
    QTest::newRow("100 %") << 0 << false;
    QTest::newRow("125 %") << 2 << false;
    QTest::newRow("150 %") << 3 << false;
    QTest::newRow("full screen") << 0 << true;
}

// At any zoom a tick repaints a small part of the window, the cursor's new
// place among it, and that leaves on screen exactly what painting the whole
// window draws: no trace of an old phasor or mark, nothing blended twice, and
// no stroke cut by a clip into other shades than it has in one piece.
void TestZoom::ticksLeaveWhatAFullRepaintDraws()
{
    QFETCH(int, presses);
    QFETCH(bool, full);
    App app;
    app.zoomBy(presses);
    if (full) {
        app.press(app.form.playButton(), Qt::Key_F11, {});
        QTRY_COMPARE(app.form.size(), app.form.screen()->size());
    }
    QVERIFY(QTest::qWaitForWindowExposed(&app.form));
    app.form.ticker()->stop();
    app.form.run(Command::PlayPause);
    app.form.tick(); // the first frame moves everything off its design place
    QCoreApplication::processEvents();
    const qint64 windowArea = qint64{app.form.width()} * app.form.height();
    QRegion painted;
    struct Recorder : QObject {
        QRegion* painted;
        explicit Recorder(QRegion* r) : painted(r) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                *painted += static_cast<QPaintEvent*>(e)->region();
            return false;
        }
    } recorder(&painted);
    app.form.installEventFilter(&recorder);
    double cursorPainted = app.form.elementRect(Id::timeCursor).center().x();
    for (int tick = 0; tick < 629; ++tick) {
        painted = QRegion();
        app.form.tick();
        QCoreApplication::processEvents();
        qint64 area = 0;
        for (const QRect& r : painted)
            area += qint64{r.width()} * r.height();
        QVERIFY2(area * 10 < windowArea, qPrintable(QStringLiteral("%1 of %2 pixels").arg(area).arg(windowArea)));
        // The cursor is drawn on whole pixels, so it need not be repainted
        // until it has moved by one.
        const QPointF cursor = app.form.elementRect(Id::timeCursor).center();
        if (painted.contains(cursor.toPoint()))
            cursorPainted = cursor.x();
        QVERIFY2(cursor.x() - cursorPainted < 1, qPrintable(QStringLiteral("cursor at %1 last repainted at %2")
                                                                 .arg(cursor.x()).arg(cursorPainted)));
        if (tick % 37 != 0 && app.state.angle != 203)
            continue;
        const int worst = largestDifference(app.onScreen(), app.shot().convertToFormat(QImage::Format_RGB32));
        QVERIFY2(worst == 0, qPrintable(QStringLiteral("angle %1: a channel off by %2").arg(app.state.angle).arg(worst)));
    }
}

// A reader pointing at the zoomed or centred scene finds the parts where they are drawn.
void TestZoom::accessibleRectsFollow()
{
    App app;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&app.form);
    QAccessibleInterface* about = nullptr;
    for (int i = 0; i < window->childCount(); ++i) {
        if (window->child(i)->text(QAccessible::Name) == QLatin1String("About"))
            about = window->child(i);
    }
    QVERIFY(about);
    app.zoomBy(3);
    QCOMPARE(about->rect(), QRect(app.form.mapToGlobal(QPoint(1404, 24)), QSize(48, 48)));
    app.press(app.form.playButton(), Qt::Key_F11, {});
    QTRY_COMPARE(app.form.size(), kScreen);
    const double fit = 1080.0 / 734;
    const QRect expected = pxRect(14040, 240, 480, 480, fit).translated(app.form.sceneOrigin()).toAlignedRect();
    QCOMPARE(about->rect(), QRect(app.form.mapToGlobal(expected.topLeft()), expected.size()));
    QCOMPARE(window->childAt(expected.center().x(), expected.center().y()), about);
}

int main(int argc, char* argv[])
{
    const bool shootOnly = argc == 3 && qstrcmp(argv[1], "--shoot") == 0;
    QByteArray scale;
    if (argc >= 3 && qstrcmp(argv[1], "--scale") == 0) {
        scale = argv[2];
        argv[2] = argv[0];
        argv += 2;
        argc -= 2;
    }
    // An offscreen screen of 1920 x 1080 for full screen to fill.
    QTemporaryDir configDir;
    const QString config = configDir.filePath(QStringLiteral("screen.json"));
    {
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(R"({"screens": [{"name": "projector", "x": 0, "y": 0, "width": 1920, "height": 1080,
                        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    }
    if (qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")) == QLatin1String("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    if (!scale.isEmpty())
        qputenv("QT_SCALE_FACTOR", scale);
    else if (!shootOnly)
        qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    if (shootOnly) {
        setUpApplication();
        TestApp shooter;
        shooter.setAngle(QStringLiteral("270"));
        return shooter.form.grab().toImage().save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
    }
    TestZoom test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zoom.moc"
