// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader gets from the window: a name for every part, the
// painted parts as children of the window, the frame in words, and the
// moments at which those words are announced.
#include "testapp.h"

#include "desktop/program.h"
#include "desktop/startup.h"
#include "desktop/mainwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <numbers>

#ifdef VANTREL_QPA_ACCESSIBILITY
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

using namespace vantrel;

namespace {

struct App : TestApp {
    QAccessibleInterface* window() { return QAccessible::queryAccessibleInterface(&form); }
};

// Every interface under `root`, depth first, as a reader walks the tree.
QList<QAccessibleInterface*> descendants(QAccessibleInterface* root)
{
    QList<QAccessibleInterface*> found;
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* c = root->child(i)) {
            found << c;
            found << descendants(c);
        }
    }
    return found;
}

QList<QAccessibleInterface*> named(App& app, QAccessible::Role role, const QString& name)
{
    QList<QAccessibleInterface*> matches;
    for (QAccessibleInterface* i : descendants(app.window())) {
        if (i->role() == role && i->text(QAccessible::Name) == name)
            matches << i;
    }
    return matches;
}

// What the painted parts announced; the controls' own events are Qt's business.
QStringList heard;

void listen(QAccessibleEvent* event)
{
    QAccessibleInterface* part = event->accessibleInterface();
    if (!part)
        return;
    // A platform bridge tells the reader where each event happened, so it
    // asks for the parent, even while the window is still being built.
    part->parent();
    if (part->object())
        return;
    if (event->type() == QAccessible::NameChanged)
        heard << QStringLiteral("name: ") + part->text(QAccessible::Name);
    else if (event->type() == QAccessible::DescriptionChanged)
        heard << QStringLiteral("description: ") + part->text(QAccessible::Description);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void firstWindowWhileAReaderListens();
    void everyPartIsNamed_data();
    void everyPartIsNamed();
    void aboutPressOpensTheBox();
    void readOutIsText();
    void frameInWords_data();
    void frameInWords();
    void currentsFollowTheChart();
    void announcedWhenTheFrameSettles_data();
    void announcedWhenTheFrameSettles();
};

void TestAccessibility::initTestCase()
{
    setUpApplication();
    QAccessible::installUpdateHandler(listen);
    // Qt sends events only while the platform reports a listening screen
    // reader; a test stands in for one the way Qt's own tests do.
#ifdef VANTREL_QPA_ACCESSIBILITY
    if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(true);
#endif
}

// Runs first: the process's first window is the one whose controls, being
// made, make a listening reader ask for the window before it is complete.
void TestAccessibility::firstWindowWhileAReaderListens()
{
    if (!QAccessible::isActive())
        QSKIP("Qt's private platform API is needed to switch accessibility on (qt6-base-private-dev)");
    App app;
    QCOMPARE(named(app, QAccessible::Button, QStringLiteral("About")).size(), 1);
}

void TestAccessibility::everyPartIsNamed_data()
{
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("Play") << QAccessible::Button << "Play";
    QTest::newRow("Set Angle") << QAccessible::Button << "Set Angle";
    QTest::newRow("angle box") << QAccessible::EditableText << "Angle in degrees";
    QTest::newRow("Fast") << QAccessible::RadioButton << "Fast";
    QTest::newRow("Medium") << QAccessible::RadioButton << "Medium";
    QTest::newRow("Slow") << QAccessible::RadioButton << "Slow";
    QTest::newRow("speed group") << QAccessible::Grouping << "Speed";
    QTest::newRow("legend") << QAccessible::Grouping << "Current Direction";
    QTest::newRow("About picture") << QAccessible::Button << "About";
    QTest::newRow("scene") << QAccessible::Animation << "Rotating magnetic field";
    QTest::newRow("read-out") << QAccessible::StaticText << "Phase Angle: Angle";
}

// Each part is found once in the tree, its parent knows it, and pointing
// at it finds it again: what a reader needs to walk and to hit-test.
void TestAccessibility::everyPartIsNamed()
{
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    App app;
    const auto matches = named(app, role, name);
    QCOMPARE(matches.size(), 1);
    QAccessibleInterface* part = matches.first();
    QAccessibleInterface* parent = part->parent();
    QVERIFY(parent);
    QCOMPARE(parent->child(parent->indexOfChild(part)), part);

    const QRect r = part->rect();
    QVERIFY(!r.isEmpty());
    QVERIFY(app.window()->rect().contains(r));
    QCOMPARE(parent->childAt(r.center().x(), r.center().y()), part);
}

void TestAccessibility::aboutPressOpensTheBox()
{
    App app;
    const auto matches = named(app, QAccessible::Button, QStringLiteral("About"));
    QCOMPARE(matches.size(), 1);
    QAccessibleInterface* about = matches.first();
    QVERIFY(!about->state().focusable);
    QAccessibleActionInterface* actions = about->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"F1"});

    // A reader calls the action from outside and waits for it to return,
    // so the modal box must open after the call, not inside it.
    QString title;
    bool modal = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll.stop();
            title = box->windowTitle();
            modal = box->isModal();
            box->done(QMessageBox::Ok);
        }
    });
    poll.start(10);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY2(title.isEmpty(), "the box ran inside the action call");
    QVERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE(title, QStringLiteral("Vantrel"));
    QVERIFY(modal);
    QCOMPARE(app.state.angle, std::int16_t{0});
    QVERIFY(!app.state.playing);
}

void TestAccessibility::readOutIsText()
{
    App app;
    app.setAngle(QStringLiteral("90"));
    const auto matches = named(app, QAccessible::StaticText, QStringLiteral("Phase Angle: 90 deg."));
    QCOMPARE(matches.size(), 1);
    QAccessibleTextInterface* text = matches.first()->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), 7);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("90 deg."));
    // A reader that follows the text on screen finds each character where it is painted.
    const QRect box = matches.first()->rect();
    for (int i = 0; i < text->characterCount(); ++i) {
        const QRect glyph = text->characterRect(i);
        QVERIFY(box.contains(glyph.center()));
        QCOMPARE(text->offsetAtPoint(glyph.center()), i);
    }
}

void TestAccessibility::frameInWords_data()
{
    QTest::addColumn<QString>("degrees"); // typed into the box; empty: nothing typed
    QTest::addColumn<QString>("words");
    QTest::newRow("before any frame") << "" << "No frame drawn yet. Press Play or Set Angle to draw one.";
    QTest::newRow("0") << "0" << "Phase angle 0 degrees. Currents: R 0.00, Y -0.87, B +0.87. Field points down.";
    QTest::newRow("1, singular") << "1" << "Phase angle 1 degree. Currents: R +0.02, Y -0.88, B +0.86. Field points down.";
    // -0.5 degrees enters as -1 hundredth, which reads as -1 degree.
    QTest::newRow("-1, singular") << "-0.5" << "Phase angle -1 degree. Currents: R -0.01, Y -0.86, B +0.87. Field points down.";
    QTest::newRow("90") << "90" << "Phase angle 90 degrees. Currents: R +1.00, Y -0.50, B -0.50. Field points left.";
    QTest::newRow("135") << "135"
                         << "Phase angle 135 degrees. Currents: R +0.70, Y +0.27, B -0.97. Field points up and left.";
    QTest::newRow("180") << "180" << "Phase angle 180 degrees. Currents: R 0.00, Y +0.87, B -0.87. Field points up.";
    QTest::newRow("270") << "270" << "Phase angle 270 degrees. Currents: R -1.00, Y +0.50, B +0.49. Field points right.";
    QTest::newRow("315") << "315"
                         << "Phase angle 315 degrees. Currents: R -0.71, Y -0.27, B +0.97. Field points down and right.";
    // The read-out floors, so -90 reads as -91.
    QTest::newRow("-90") << "-90" << "Phase angle -91 degrees. Currents: R -1.00, Y +0.50, B +0.50. Field points right.";
}

void TestAccessibility::frameInWords()
{
    QFETCH(QString, degrees);
    QFETCH(QString, words);
    App app;
    if (!degrees.isEmpty())
        app.setAngle(degrees);
    const auto scene = named(app, QAccessible::Animation, QStringLiteral("Rotating magnetic field"));
    QCOMPARE(scene.size(), 1);
    QCOMPARE(scene.first()->text(QAccessible::Description), words);
}

// Over a whole cycle each current carries the sign and size of its curve on
// the chart, sin(a / 100) for R and the same 209 hundredths later and earlier
// for Y and B, and the field turns clockwise from pointing down.
void TestAccessibility::currentsFollowTheChart()
{
    App app;
    QAccessibleInterface* scene = named(app, QAccessible::Animation, QStringLiteral("Rotating magnetic field")).first();
    static const QRegularExpression sentence(QStringLiteral(
        "^Phase angle (-?\\d+) degrees?\\. Currents: R ([+-]?\\d\\.\\d\\d), Y ([+-]?\\d\\.\\d\\d), "
        "B ([+-]?\\d\\.\\d\\d)\\. Field points ([a-z ]+)\\.$"));
    static const QStringList clockwise{"down", "down and left", "left", "up and left",
                                       "up", "up and right", "right", "down and right"};
    for (int a = 0; a <= 628; ++a) {
        app.goTo(a);
        QCOMPARE(int{app.state.angle}, a);
        const QString words = scene->text(QAccessible::Description);
        const QRegularExpressionMatch m = sentence.match(words);
        QVERIFY2(m.hasMatch(), qPrintable(words));
        QCOMPARE(m.captured(1).toInt(), static_cast<int>(std::floor(a / 1.744)));
        const double curves[] = {std::sin(a / 100.0), std::sin((a - 209) / 100.0), std::sin((a + 209) / 100.0)};
        for (int p = 0; p < 3; ++p) {
            const double told = m.captured(2 + p).toDouble();
            QVERIFY2(std::abs(told - curves[p]) <= 0.006, qPrintable(words));
            if (std::abs(curves[p]) > 0.006)
                QVERIFY2((told > 0) == (curves[p] > 0), qPrintable(words));
        }
        // Eighths of a turn from pointing down; skip the angles that lie
        // too close to where one word gives way to the next.
        const double turns = std::fmod(a / 100.0 / (2 * std::numbers::pi) * 8 + 8.5, 8);
        if (std::abs(turns - std::round(turns)) > 0.05)
            QVERIFY2(m.captured(5) == clockwise[static_cast<int>(turns)], qPrintable(words));
    }
}

void TestAccessibility::announcedWhenTheFrameSettles_data()
{
    QTest::addColumn<QString>("steps"); // p: Play or Pause, t: a tick, s: Set Angle to 90
    QTest::addColumn<QStringList>("expected");
    const QStringList at90{"name: Phase Angle: 90 deg.", "description: Phase angle 90 degrees. Currents"};
    QTest::newRow("ticks while running") << "pttttt" << QStringList{};
    QTest::newRow("pause") << "ptttp" << QStringList{"name: Phase Angle: 1 deg.", "description: Phase angle 1 degree."};
    QTest::newRow("Set Angle while paused") << "s" << at90;
    QTest::newRow("Set Angle while running") << "pttst" << at90;
    QTest::newRow("ticks while paused") << "ttt" << QStringList{};
}

void TestAccessibility::announcedWhenTheFrameSettles()
{
    if (!QAccessible::isActive())
        QSKIP("Qt's private platform API is needed to switch accessibility on (qt6-base-private-dev)");
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    App app;
    heard.clear();
    for (QChar step : steps) {
        if (step == QLatin1Char('p'))
            QTest::mouseClick(app.form.playButton(), Qt::LeftButton);
        else if (step == QLatin1Char('t'))
            app.form.tick();
        else if (step == QLatin1Char('s'))
            app.setAngle(QStringLiteral("90"));
    }
    QCOMPARE(heard.size(), expected.size());
    for (qsizetype i = 0; i < heard.size(); ++i)
        QVERIFY2(heard[i].startsWith(expected[i]), qPrintable(heard[i]));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
