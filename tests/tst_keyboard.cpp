// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lesson run from the keyboard alone: the Tab stops, Space on a button,
// the arrows in the speed group, and every key of the command table, which
// the README's key table lists too.
#include "testapp.h"

#include "desktop/program.h"
#include "desktop/startup.h"
#include "desktop/mainwindow.h"
#include "window/commands.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace vantrel;

namespace {

struct App : TestApp {
    App() { QApplication::setActiveWindow(&form); }
    QWidget* byName(const QString& name) const { return form.findChild<QWidget*>(name); }
    static void press(int key, Qt::KeyboardModifiers mods = {})
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), mods);
    }
};

// Closes the next modal box as soon as it is open and says what its title was.
class BoxWatcher : public QObject {
public:
    QString title;
    BoxWatcher()
    {
        connect(&poll_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll_.stop();
                title = box->windowTitle();
                box->done(QMessageBox::Ok);
            }
        });
        poll_.start(10);
    }

private:
    QTimer poll_;
};

QStringList names(const QList<QWidget*>& widgets)
{
    QStringList out;
    for (const QWidget* w : widgets)
        out << (w ? w->objectName() : QStringLiteral("(none)"));
    return out;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }
    void tabStops_data();
    void tabStops();
    void spaceActivatesTheFocusedButton_data();
    void spaceActivatesTheFocusedButton();
    void arrowsChangeTheSpeed_data();
    void arrowsChangeTheSpeed();
    void typeAnAngleAndEnter_data();
    void typeAnAngleAndEnter();
    void helpKeyOpensAbout_data();
    void helpKeyOpensAbout();
    void aboutPictureTakesNoFocus();
    void everyCommandKeyWorks_data();
    void everyCommandKeyWorks();
    void readmeListsEveryKey();
};

void TestKeyboard::tabStops_data()
{
    QTest::addColumn<QString>("speed");
    QTest::newRow("Medium, as at start") << "optMed";
    QTest::newRow("Slow") << "optSlow";
    QTest::newRow("Fast") << "optFast";
}

// Tab stops once in the speed group, on the chosen speed, and Shift+Tab
// walks the same stops back.
void TestKeyboard::tabStops()
{
    QFETCH(QString, speed);
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    static_cast<QRadioButton*>(app.byName(speed))->click();
    app.form.playButton()->setFocus(Qt::TabFocusReason);

    QList<QWidget*> forward{QApplication::focusWidget()};
    for (int i = 0; i < 4; ++i) {
        App::press(Qt::Key_Tab);
        forward << QApplication::focusWidget();
    }
    QCOMPARE(names(forward), (QStringList{"cmdPlay", speed, "txtAngle", "cmdAngle", "cmdPlay"}));

    QList<QWidget*> back{QApplication::focusWidget()};
    for (int i = 0; i < 4; ++i) {
        App::press(Qt::Key_Backtab, Qt::ShiftModifier);
        back << QApplication::focusWidget();
    }
    QCOMPARE(names(back), (QStringList{"cmdPlay", "cmdAngle", "txtAngle", speed, "cmdPlay"}));
}

void TestKeyboard::spaceActivatesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("angle");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Play") << "cmdPlay" << 0 << "Pause";
    QTest::newRow("Set Angle") << "cmdAngle" << 105 << "Play"; // the box's 60 degrees
}

void TestKeyboard::spaceActivatesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, angle);
    QFETCH(QString, caption);
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.byName(button)->setFocus(Qt::TabFocusReason);
    App::press(Qt::Key_Space);
    QCOMPARE(int{app.state.angle}, angle);
    QCOMPARE(app.form.playButton()->text(), caption);
    QCOMPARE(QApplication::focusWidget(), app.byName(button));
}

void TestKeyboard::arrowsChangeTheSpeed_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    // The options read Slow, Medium, Fast from left to right: Down and Right
    // go on to the next, Up and Left back to the one before, whatever the
    // options' heights, and the ends go no further.
    const QStringList order{"optSlow", "optMed", "optFast"};
    const struct {
        const char* name;
        int key;
        int step;
    } keys[] = {{"Down", Qt::Key_Down, 1}, {"Right", Qt::Key_Right, 1}, {"Up", Qt::Key_Up, -1}, {"Left", Qt::Key_Left, -1}};
    for (int i = 0; i < order.size(); ++i) {
        for (const auto& k : keys) {
            const QString to = order[std::clamp(i + k.step, 0, int(order.size()) - 1)];
            QTest::addRow("%s, %s", qPrintable(order[i]), k.name) << order[i] << k.key << to;
        }
    }
}

// The arrows check the next option, and checking it sets the tick period,
// as a click would.
void TestKeyboard::arrowsChangeTheSpeed()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    static_cast<QRadioButton*>(app.byName(from))->click();
    app.form.playButton()->setFocus(Qt::TabFocusReason);
    App::press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), app.byName(from));

    App::press(key);
    QCOMPARE(QApplication::focusWidget(), app.byName(to));
    QVERIFY(static_cast<QRadioButton*>(app.byName(to))->isChecked());
    const QHash<QString, int> interval{{"optSlow", 300}, {"optMed", 75}, {"optFast", 20}};
    QCOMPARE(app.form.ticker()->interval(), interval[to]);
    QVERIFY(!app.state.playing);
}

void TestKeyboard::typeAnAngleAndEnter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Return") << int{Qt::Key_Return} << Qt::KeyboardModifiers{};
    QTest::newRow("keypad Enter") << int{Qt::Key_Enter} << Qt::KeyboardModifiers{Qt::KeypadModifier};
}

// From the start focus: Tab to the box, replace its text, and Enter.
void TestKeyboard::typeAnAngleAndEnter()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    App::press(Qt::Key_Tab);
    App::press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), app.form.angleBox());
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("90"));
    App::press(key, modifiers);
    QCOMPARE(app.form.angleBox()->text(), QStringLiteral("90"));
    QCOMPARE(int{app.state.angle}, 157);
    QCOMPARE(QString::fromStdString(app.form.scene()[Id::readOut].caption), QStringLiteral("90 deg."));
    QCOMPARE(QApplication::focusWidget(), app.form.angleBox());
}

void TestKeyboard::helpKeyOpensAbout_data()
{
    QTest::addColumn<QString>("focus"); // empty: no control has the focus
    QTest::newRow("Play") << "cmdPlay";
    QTest::newRow("speed") << "optMed";
    QTest::newRow("angle box") << "txtAngle";
    QTest::newRow("Set Angle") << "cmdAngle";
    QTest::newRow("nothing focused") << "";
}

void TestKeyboard::helpKeyOpensAbout()
{
    QFETCH(QString, focus);
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    QWidget* target = &app.form;
    if (focus.isEmpty()) {
        QApplication::focusWidget()->clearFocus();
    } else {
        target = app.byName(focus);
        target->setFocus(Qt::TabFocusReason);
    }
    BoxWatcher watcher;
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(watcher.title, QStringLiteral("Vantrel"));
    QCOMPARE(app.form.angleBox()->text(), QStringLiteral("60")); // F1 typed nothing
    QCOMPARE(int{app.state.angle}, 0);
    QCOMPARE(app.form.playButton()->text(), QStringLiteral("Play"));
    if (!focus.isEmpty())
        QCOMPARE(app.form.focusWidget(), target);
}

// A click on the picture opens the box but leaves the focus where it was.
void TestKeyboard::aboutPictureTakesNoFocus()
{
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.form.angleBox()->setFocus(Qt::TabFocusReason);
    BoxWatcher watcher;
    QTest::mouseClick(&app.form, Qt::LeftButton, {}, app.form.elementRect(Id::aboutButton).center().toPoint());
    QCOMPARE(watcher.title, QStringLiteral("Vantrel"));
    QCOMPARE(app.form.focusWidget(), app.form.angleBox());
}

// Every key the command table declares does what its command says, from the
// angle box, where typing would otherwise take it.
void TestKeyboard::everyCommandKeyWorks_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("key");
    for (const CommandDef& c : commandTable()) {
        for (const char* key : c.keys) {
            if (key)
                QTest::addRow("%s: %s", c.name, key) << int(c.command) << QString::fromLatin1(key);
        }
    }
}

void TestKeyboard::everyCommandKeyWorks()
{
    QFETCH(int, command);
    QFETCH(QString, key);
    const auto which = static_cast<Command>(command);
    App app;
    QVERIFY(QTest::qWaitForWindowActive(&app.form));
    app.form.setZoom(1.5);
    if (which == Command::LeaveFullScreen) {
        QTest::keyClick(app.form.angleBox(), Qt::Key_F11);
        QVERIFY(app.form.isFullScreen());
    }
    // The steps work while the lab is open, and the animation paused.
    if (which == Command::StepBack || which == Command::StepForward)
        app.form.run(Command::Lab);
    app.form.angleBox()->setFocus(Qt::TabFocusReason);
    BoxWatcher watcher;
    QTest::keySequence(app.form.angleBox(), QKeySequence::fromString(key, QKeySequence::PortableText));
    // Zoom steps 1.5 -> 1.75 or 1.25; Set Angle turns the box's 60 into 105.
    switch (which) {
    case Command::SetAngle:
        QCOMPARE(int{app.state.angle}, 105);
        break;
    case Command::About:
        QCOMPARE(watcher.title, QStringLiteral("Vantrel"));
        break;
    case Command::ZoomIn:
        QCOMPARE(app.form.zoom(), 1.75);
        break;
    case Command::ZoomOut:
        QCOMPARE(app.form.zoom(), 1.25);
        break;
    case Command::ZoomReset:
        QCOMPARE(app.form.zoom(), 1.0);
        break;
    case Command::FullScreen:
        QVERIFY(app.form.isFullScreen());
        break;
    case Command::LeaveFullScreen:
        QVERIFY(!app.form.isFullScreen());
        break;
    case Command::Lab:
        QVERIFY(app.form.findChild<QWidget*>(QStringLiteral("labSequence"))->isVisible());
        break;
    // One tick either way round the cycle of 629 from 0.
    case Command::StepBack:
        QCOMPARE(int{app.state.angle}, 628);
        break;
    case Command::StepForward:
        QCOMPARE(int{app.state.angle}, 1);
        break;
    case Command::HighContrast:
        QVERIFY(app.form.highContrast());
        break;
    default:
        QFAIL("a key for a command that has a control of its own");
    }
    QCOMPARE(app.form.angleBox()->text(), QStringLiteral("60")); // no key typed into the box
}

// The README's key table has one row per command that has keys: its keys,
// then what it does.
void TestKeyboard::readmeListsEveryKey()
{
    QFile file(QStringLiteral(VANTREL_SOURCE_DIR "/README.md"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString readme = QString::fromUtf8(file.readAll());
    for (const CommandDef& c : commandTable()) {
        QStringList keys;
        for (const char* key : c.keys) {
            if (key)
                keys << QStringLiteral("`%1`").arg(QLatin1String(key));
        }
        if (keys.isEmpty())
            continue;
        const QString row = QStringLiteral("| %1 | %2 |").arg(keys.join(QStringLiteral(", ")), QLatin1String(c.name));
        QVERIFY2(readme.contains(row), qPrintable(QStringLiteral("README lacks the row ") + row));
    }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
