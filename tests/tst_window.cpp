// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as the user meets it: its start state, the handlers driven
// through the real controls, and what ends up on screen.
#include "testapp.h"

#include "desktop/program.h"
#include "desktop/startup.h"
#include "desktop/designlook.h"
#include "desktop/mainwindow.h"
#include "desktop/qtpictures.h"
#include "window/icons.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace vantrel;

namespace {

using App = TestApp;

// Runs `answer` on the modal box as soon as one is open, then closes it.
// The watch lasts as long as the returned timer.
std::unique_ptr<QTimer> whenModalOpens(std::function<void(QMessageBox*)> answer)
{
    auto poll = std::make_unique<QTimer>();
    poll->setInterval(10);
    QObject::connect(poll.get(), &QTimer::timeout, [timer = poll.get(), answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            answer(box);
            box->done(QMessageBox::Ok);
        }
    });
    poll->start();
    return poll;
}

QColor pixel(const QImage& img, int x, int y) { return QColor(img.pixel(x, y)); }

const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kBlue(0, 0, 255), kWhite(255, 255, 255), kBlack(0, 0, 0),
    kGrey(192, 192, 192);

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }

    void startState();
    void designedGeometry();
    void captionsFit_data();
    void captionsFit();
    void resizingMovesNothing();

    void playPause();
    void setAngleFromTheBox_data();
    void setAngleFromTheBox();
    void aboutBox();
    void aboutOpensOnALeftClickOnThePicture_data();
    void aboutOpensOnALeftClickOnThePicture();

    void stackingAtTheCentre();
    void cursorOverTheChart_data();
    void cursorOverTheChart();

    void chartStretchedIntoItsElement();
    void cursorMarksTheChart_data();
    void cursorMarksTheChart();
    void aboutPictureOnTheGrey();
    void windowIconHoldsTheDrawnSizes();
    void calledOnceAfterTheFirstPaint();
    void everyWordFromTheLanguage();
};

void TestWindow::startState()
{
    App app;
    QCOMPARE(app.state.angle, std::int16_t{0});
    QVERIFY(!app.state.playing);
    QCOMPARE(app.form.windowTitle(), QStringLiteral("Vantrel"));
    QCOMPARE(app.form.size(), QSize(1010, 734));
    QCOMPARE(app.form.playButton()->text(), QStringLiteral("Play"));
    QCOMPARE(app.form.angleBox()->text(), QStringLiteral("60"));
    QVERIFY(app.form.mediumOption()->isChecked());
    QVERIFY(!app.form.fastOption()->isChecked());
    QVERIFY(!app.form.slowOption()->isChecked());
    QCOMPARE(QString::fromStdString(app.form.scene()[Id::readOut].caption), QStringLiteral("Angle"));
    QVERIFY(app.form.ticker()->isActive());
    QCOMPARE(app.form.ticker()->interval(), 75);
    QVERIFY(app.form.scene() == SceneState()); // no frame drawn at start
    for (const ElementDef& def : elementTable())
        QVERIFY2(app.form.scene()[def.id].visible, def.name);

    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    QCOMPARE(QApplication::focusWidget(), app.form.playButton());

    // Ticks while paused change nothing.
    QTest::qWait(200);
    QCOMPARE(app.state.angle, std::int16_t{0});
    QVERIFY(app.form.scene() == SceneState());
}

void TestWindow::designedGeometry()
{
    Program program;
    MainWindow& form = program.form;
    QVERIFY(form.ticker()->isActive()); // from the moment the window exists
    int controls = 0;
    for (const ElementDef& def : elementTable()) {
        QWidget* w = form.widget(def.id);
        if (isPainted(def.kind) || def.kind == Kind::Timer) {
            QVERIFY2(!w, def.name);
            continue;
        }
        ++controls;
        QVERIFY2(w, def.name);
        QCOMPARE(w->objectName(), QString::fromLatin1(def.name));
        QCOMPARE(w->geometry(), QRect(def.geometry.a / 15, def.geometry.b / 15, def.geometry.c / 15,
                                      def.geometry.d / 15));
        const QWidget* expectedParent = def.in == In::Window ? &form : form.widget(def.in == In::SpeedBox ? Id::speedBox : Id::legendBox);
        QCOMPARE(w->parentWidget(), expectedParent);
        // Everything lies inside the designed client area.
        QVERIFY2(QRect(QPoint(), form.size()).contains(w->geometry().translated(w->parentWidget()->mapTo(&form, QPoint()))),
                 def.name);
    }
    QCOMPARE(controls, 8); // two frames, two buttons, a box and three options
    QCOMPARE(form.elementRect(Id::aboutButton), QRectF(936, 16, 32, 32));
    QCOMPARE(form.elementRect(Id::waveformChart), QRectF(613, 2000 / 15.0, 5320 / 15.0, 333));
    QCOMPARE(form.elementRect(Id::legendDot), QRectF(40 + 4310 / 15.0, 600 + 590 / 15.0, 10, 10));
}

void TestWindow::captionsFit_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("reserved"); // pixels the control keeps for itself
    for (const ElementDef& def : elementTable()) {
        if (!def.caption || def.kind == Kind::GroupBox || def.kind == Kind::TextBox)
            continue;
        const int reserved = def.kind == Kind::OptionButton ? 18 : def.kind == Kind::PushButton ? 8 : 0;
        QTest::newRow(def.name) << int(def.id) << QString::fromLatin1(def.caption) << reserved;
    }
    // The read-out's widest texts: the whole cycle, and the ends of the 16-bit range.
    for (const char* text : {"-2350 deg.", "359 deg.", "-18789 deg.", "18788 deg."})
        QTest::newRow(text) << int(Id::readOut) << QString::fromLatin1(text) << 0;
}

// With the designed fonts (or Liberation Sans in their place) every caption
// fits its rectangle on one line, with its letters inside the rectangle.
void TestWindow::captionsFit()
{
    QFETCH(int, id);
    QFETCH(QString, caption);
    QFETCH(int, reserved);
    const ElementDef& def = elementTable()[static_cast<std::size_t>(id)];
    const QFont font = designFont(def.font);
    const QFontInfo info(font);
    QVERIFY2(info.family() == QLatin1String(def.font.family) || info.family() == QLatin1String("Liberation Sans"),
             qPrintable(info.family()));
    QVERIFY(info.bold());
    const QFontMetrics metrics(font);
    const QRectF rect = pixelRect(def.geometry);
    QVERIFY2(metrics.horizontalAdvance(caption) + reserved <= rect.width(),
             qPrintable(QStringLiteral("%1 px wide in %2").arg(metrics.horizontalAdvance(caption)).arg(rect.width())));
    if (def.kind == Kind::Label) {
        const QRect ink = metrics.tightBoundingRect(caption);
        QVERIFY2(metrics.ascent() + ink.bottom() <= rect.height(),
                 qPrintable(QStringLiteral("ink ends at %1 of %2").arg(metrics.ascent() + ink.bottom()).arg(rect.height())));
    }
}

void TestWindow::resizingMovesNothing()
{
    App app;
    QList<QRect> before;
    const auto children = app.form.findChildren<QWidget*>();
    for (QWidget* w : children)
        before << w->geometry();
    const QImage designed = app.shot();
    for (QSize size : {QSize(1400, 1000), QSize(500, 300), QSize(1010, 734)}) {
        app.form.resize(size);
        QTest::qWait(20);
        for (qsizetype i = 0; i < children.size(); ++i)
            QCOMPARE(children[i]->geometry(), before[i]);
    }
    QCOMPARE(app.shot(), designed);
}

void TestWindow::playPause()
{
    App app;
    QTest::mouseClick(app.form.playButton(), Qt::LeftButton);
    QVERIFY(app.state.playing);
    QCOMPARE(app.form.playButton()->text(), QStringLiteral("Pause"));
    QTRY_VERIFY(app.state.angle >= 2); // the real timer advances it
    QTest::mouseClick(app.form.playButton(), Qt::LeftButton);
    QVERIFY(!app.state.playing);
    QCOMPARE(app.form.playButton()->text(), QStringLiteral("Play"));
    const std::int16_t frozen = app.state.angle;
    const SceneState scene = app.form.scene();
    QTest::qWait(250);
    QCOMPARE(app.state.angle, frozen);
    QVERIFY(app.form.scene() == scene);
}

void TestWindow::setAngleFromTheBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("angle");
    QTest::addColumn<QString>("caption");
    QTest::newRow("start text") << "60" << "60" << 105 << "60 deg.";
    // The box shows what Set Angle wrote back; every row of its rules is
    // checked without a window in tests/core/.
    QTest::newRow("361") << "361" << "1" << 2 << "1 deg.";
    // A bad entry changes nothing but still draws the frame for the old angle.
    QTest::newRow("letters") << "abc" << "abc" << 0 << "0 deg.";
    // Only ASCII digits make a number, even where a character's low byte is one.
    for (const char* digits : {"\u0666\u0660", "\uFF16\uFF10", "\u01360"}) {
        const QString text = QString::fromUtf8(digits);
        QTest::addRow("%s", digits) << text << text << 0 << "0 deg.";
    }
}

void TestWindow::setAngleFromTheBox()
{
    QFETCH(QString, text);
    QFETCH(QString, box);
    QFETCH(int, angle);
    QFETCH(QString, caption);
    App app;
    app.setAngle(text); // Return in the box: tst_keyboard
    QCOMPARE(app.form.angleBox()->text(), box);
    QCOMPARE(int{app.state.angle}, angle);
    QCOMPARE(QString::fromStdString(app.form.scene()[Id::readOut].caption), caption);
    QVERIFY(!app.state.playing);
    QCOMPARE(app.form.playButton()->text(), QStringLiteral("Play"));
}

void TestWindow::aboutBox()
{
    App app;
    QTest::mouseClick(app.form.playButton(), Qt::LeftButton);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    const auto watch = whenModalOpens([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
    });
    const QPoint about = app.form.elementRect(Id::aboutButton).center().toPoint();
    QTest::mouseClick(&app.form, Qt::LeftButton, {}, about);
    QCOMPARE(title, QStringLiteral("Vantrel"));
    QCOMPARE(text, QStringLiteral(" This demo is developed by Oskendar"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(app.state.playing);
    QCOMPARE(app.form.playButton()->text(), QStringLiteral("Pause"));

    // Nothing else in the scene answers a click; a pending poll would catch a box.
    bool opened = false;
    const auto stray = whenModalOpens([&](QMessageBox*) { opened = true; });
    for (Id id : {Id::waveformChart, Id::readOut, Id::statorOuter})
        QTest::mouseClick(&app.form, Qt::LeftButton, {}, app.form.elementRect(id).center().toPoint());
    QTest::qWait(50);
    QVERIFY(!opened);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestWindow::aboutOpensOnALeftClickOnThePicture_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("pressOn"); // pressed on the picture, or beside it
    QTest::addColumn<bool>("releaseOn");
    QTest::addColumn<bool>("opens");
    QTest::newRow("left click") << int{Qt::LeftButton} << true << true << true;
    QTest::newRow("right click") << int{Qt::RightButton} << true << true << false;
    QTest::newRow("middle click") << int{Qt::MiddleButton} << true << true << false;
    QTest::newRow("pressed on it, released beside it") << int{Qt::LeftButton} << true << false << false;
    QTest::newRow("pressed beside it, released on it") << int{Qt::LeftButton} << false << true << false;
}

void TestWindow::aboutOpensOnALeftClickOnThePicture()
{
    QFETCH(int, button);
    QFETCH(bool, pressOn);
    QFETCH(bool, releaseOn);
    QFETCH(bool, opens);
    App app;
    bool opened = false;
    const auto watch = whenModalOpens([&](QMessageBox*) { opened = true; });
    const QPoint on = app.form.elementRect(Id::aboutButton).center().toPoint();
    const QPoint beside = on + QPoint(40, 0);
    const auto b = static_cast<Qt::MouseButton>(button);
    QTest::mousePress(&app.form, b, {}, pressOn ? on : beside);
    QTest::mouseRelease(&app.form, b, {}, releaseOn ? on : beside);
    QTest::qWait(50);
    QCOMPARE(opened, opens);
    QVERIFY(!QApplication::activeModalWidget());
}

// Where the phasors meet, each covers the ones created after it, and the
// thin coil lines cover them all.
void TestWindow::stackingAtTheCentre()
{
    App app;
    QImage img = app.shot();
    // The designed placeholder strokes overlap in pairs, 8 pixels apart.
    QCOMPARE(pixel(img, 290, 286), kRed);
    QCOMPARE(pixel(img, 290, 292), kYellow); // yellow over red
    QCOMPARE(pixel(img, 290, 300), kBlue);   // blue over yellow
    QCOMPARE(pixel(img, 290, 308), kBlue);   // blue over white
    QCOMPARE(pixel(img, 290, 314), kWhite);
    QCOMPARE(pixel(img, 300, 292), kBlack); // the vertical coil line over them

    // At 90 degrees the red phasor points left and white lies beneath it.
    app.setAngle(QStringLiteral("90"));
    img = app.shot();
    QCOMPARE(pixel(img, 250, 300), kRed);
    QCOMPARE(pixel(img, 120, 300), kWhite); // the resultant reaches further
    QCOMPARE(pixel(img, 300, 310), kBlack);
}

void TestWindow::cursorOverTheChart_data()
{
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<int>("column"); // of the cursor's two pixels, the left one
    QTest::newRow("0") << "0" << 622;
    QTest::newRow("90") << "90" << 705;
    QTest::newRow("360") << "360" << 957;
}

void TestWindow::cursorOverTheChart()
{
    QFETCH(QString, degrees);
    QFETCH(int, column);
    App app;
    app.setAngle(degrees);
    const QImage img = app.shot();
    const QColor ink = app.form.palette().color(QPalette::ButtonText);
    // Black from just inside the chart's top to just inside its bottom,
    // right over the chart's own pixels.
    for (int y : {137, 200, 300, 400, 463}) {
        QCOMPARE(pixel(img, column, y), ink);
        QCOMPARE(pixel(img, column + 1, y), ink);
        QVERIFY(pixel(img, column - 1, y) != ink);
        QVERIFY(pixel(img, column + 2, y) != ink);
    }
    QVERIFY(pixel(img, column, 134) != ink);
    QVERIFY(pixel(img, column, 465) != ink);
}

namespace {
bool looksLike(const QColor& c, const QColor& pure)
{
    return std::abs(c.red() - pure.red()) < 70 && std::abs(c.green() - pure.green()) < 70
           && std::abs(c.blue() - pure.blue()) < 70;
}

// Rows of one column where the colour shows, top to bottom.
QList<int> rowsShowing(const QImage& img, int x, int top, int bottom, const QColor& pure)
{
    QList<int> rows;
    for (int y = top; y <= bottom; ++y) {
        if (looksLike(pixel(img, x, y), pure))
            rows << y;
    }
    return rows;
}
} // namespace

// 432 x 295 chart pixels fill 5320 x 4995 twips from (9195, 2000): 355 x 333
// screen pixels, narrower and taller than the picture itself.
void TestWindow::chartStretchedIntoItsElement()
{
    App app;
    const QImage img = app.shot();
    const QRect chart(613, 133, 355, 333);
    for (QPoint corner : {chart.topLeft(), chart.topRight(), chart.bottomLeft(), chart.bottomRight()})
        QCOMPARE(pixel(img, corner.x(), corner.y()), kWhite);
    for (QPoint outside : {chart.topLeft() - QPoint(1, 1), chart.bottomRight() + QPoint(1, 1)})
        QCOMPARE(pixel(img, outside.x(), outside.y()), kGrey);
    // The plot area's grey starts some 8 pixels in, on every side.
    QCOMPARE(pixel(img, chart.left() + 20, chart.top() + 40), kGrey);
    QCOMPARE(pixel(img, chart.left() + 3, chart.top() + 40), kWhite);
    QCOMPARE(pixel(img, chart.right() - 3, chart.top() + 40), kWhite);
    QCOMPARE(pixel(img, chart.left() + 100, chart.top() + 3), kWhite);
    QCOMPARE(pixel(img, chart.left() + 100, chart.bottom() - 3), kWhite);
}

void TestWindow::cursorMarksTheChart_data()
{
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<int>("top");    // rows to search beside the cursor
    QTest::addColumn<int>("bottom");
    QTest::addColumn<bool>("crossing");
    // 157 hundredths: the red maximum on the top grid line.
    QTest::newRow("red maximum") << "90" << 188 << 202 << false;
    // 52 hundredths: red and blue cross on the +0.5 grid line.
    QTest::newRow("red-blue crossing") << "29.8" << 240 << 256 << true;
}

void TestWindow::cursorMarksTheChart()
{
    QFETCH(QString, degrees);
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(bool, crossing);
    App app;
    app.setAngle(degrees);
    const QImage img = app.shot();
    const int left = qRound(app.form.scene()[Id::timeCursor].x1 / 15.0) - 2;
    const int right = left + 3;
    // Right beside the cursor, on both sides, red is at its extreme: the
    // same row left and right, within a pixel.
    const QList<int> redLeft = rowsShowing(img, left, top, bottom, kRed);
    const QList<int> redRight = rowsShowing(img, right, top, bottom, kRed);
    QVERIFY(!redLeft.isEmpty() && !redRight.isEmpty());
    if (crossing) {
        // Blue meets red there, blue on top where they touch.
        const QList<int> blueLeft = rowsShowing(img, left, top, bottom, kBlue);
        const QList<int> blueRight = rowsShowing(img, right, top, bottom, kBlue);
        QVERIFY(!blueLeft.isEmpty() && !blueRight.isEmpty());
        QVERIFY(std::abs(blueLeft.first() - redLeft.first()) <= 6);
        QVERIFY(std::abs(blueRight.first() - redRight.first()) <= 6);
        // They swap sides under the cursor: blue falls, red rises.
        QVERIFY(blueLeft.first() < redLeft.first());
        QVERIFY(redRight.first() < blueRight.first());
    } else {
        QVERIFY(std::abs(redLeft.first() - redRight.first()) <= 1);
        // The peak: a little further out on either side the curve is lower.
        QVERIFY(rowsShowing(img, left - 25, redLeft.first() - 1, redLeft.first() + 1, kRed).isEmpty());
        QVERIFY(rowsShowing(img, right + 25, redRight.first() - 1, redRight.first() + 1, kRed).isEmpty());
    }
}

// The window's icon hands out the drawn images themselves, not rescaled ones.
void TestWindow::windowIconHoldsTheDrawnSizes()
{
    App app;
    const QIcon icon = app.form.windowIcon();
    for (int size : {16, 32}) {
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32), toImage(makeTargetImage(size)));
    }
}

void TestWindow::aboutPictureOnTheGrey()
{
    App app;
    const QImage img = app.shot();
    const QRect about = app.form.elementRect(Id::aboutButton).toRect();
    QCOMPARE(about.size(), QSize(32, 32)); // natural size, not stretched
    for (QPoint corner : {about.topLeft(), about.topRight(), about.bottomLeft(), about.bottomRight()})
        QCOMPARE(pixel(img, corner.x(), corner.y()), kGrey);
    QCOMPARE(pixel(img, about.left() + 4, about.center().y()), QColor(0, 128, 0));
    QCOMPARE(pixel(img, about.left(), about.center().y()), kBlack);
}

// What VANTREL_QUIT_AFTER_FIRST_FRAME=1 quits with: called once, after the
// window has painted, however often it paints again.
void TestWindow::calledOnceAfterTheFirstPaint()
{
    Program program;
    struct PaintSeen : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* e) override { return painted |= e->type() == QEvent::Paint, false; }
    } seen;
    program.form.installEventFilter(&seen);
    QList<bool> calls; // whether the window had painted, at each call
    afterFirstPaint(program.form, [&] { calls << seen.painted; });
    QTest::qWait(50);
    QVERIFY(calls.isEmpty());
    program.form.show();
    QTRY_COMPARE(calls, QList<bool>{true});
    program.form.repaint();
    QTest::qWait(50);
    QCOMPARE(calls, QList<bool>{true});
}

// In the testers' language, which brackets every text, every word the window
// shows or a reader hears comes back bracketed: none is held by the window
// itself.
void TestWindow::everyWordFromTheLanguage()
{
    Program program{Language(pseudoLocale())};
    program.form.show();
    program.form.run(Command::SetAngle); // a frame to put into words
    QStringList words;
    for (const QAbstractButton* b : program.form.findChildren<QAbstractButton*>())
        words << b->text();
    for (const QGroupBox* g : program.form.findChildren<QGroupBox*>())
        words << g->title();
    QList<QAccessibleInterface*> parts{QAccessible::queryAccessibleInterface(&program.form)};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        for (int c = 0; c < parts[i]->childCount(); ++c)
            parts << parts[i]->child(c);
        if (i > 0) // the window's own name is its title, the program's name
            words << parts[i]->text(QAccessible::Name) << parts[i]->text(QAccessible::Description);
    }
    const auto watch = whenModalOpens([&](QMessageBox* box) {
        words << box->text() << box->button(QMessageBox::Ok)->text();
    });
    program.form.run(Command::About);
    QVERIFY(words.size() > 25);
    for (const QString& w : words)
        QVERIFY2(w.trimmed().isEmpty() || (w.trimmed().startsWith(u'[') && w.trimmed().endsWith(u']')), qPrintable(w));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
