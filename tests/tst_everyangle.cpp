// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every angle the 16-bit state can hold, drawn on the real window and then
// ticked once: each frame must be the one the reference works out for it.
#include "referenceframes.h"
#include "testapp.h"

#include "desktop/startup.h"

#include <QTest>
#include <QTimer>

using namespace vantrel;

class TestEveryAngle : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void drawAndTick_data();
    void drawAndTick();

private:
    reference::Frames reference_;
};

void TestEveryAngle::initTestCase()
{
    setUpApplication();
    QVERIFY2(reference_.error().isEmpty(), qPrintable(reference_.error()));
}

void TestEveryAngle::drawAndTick_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("the tick's cycle") << 0 << 628;
    QTest::newRow("above the cycle, to the top of the range") << 629 << 32767;
    QTest::newRow("below zero, from the bottom of the range") << -32768 << -1;
}

// Each angle is reached through Set Angle, over whatever the
// previous angle drew, so marks held on a threshold are checked against the
// frame before. The repaint runs as well, so drawing far off the chart is
// exercised too.
void TestEveryAngle::drawAndTick()
{
    QFETCH(int, first);
    QFETCH(int, last);

    TestApp app;
    MainWindow& form = app.form;
    form.ticker()->stop(); // this test decides when a tick happens
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.run(Command::PlayPause);

    for (int angle = first; angle <= last; ++angle) {
        SceneState before = form.scene();
        QVERIFY_THROWS_NO_EXCEPTION(app.goTo(angle));
        QCOMPARE(int{app.state.angle}, angle);
        QString wrong = reference_.mismatch(angle, before, form.scene());
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));

        // One running tick: one step on, and back to 0 past the cycle's end.
        const int next = angle + 1 > 628 ? 0 : angle + 1;
        before = form.scene();
        QVERIFY_THROWS_NO_EXCEPTION(form.tick());
        QCOMPARE(int{app.state.angle}, next);
        wrong = reference_.mismatch(next, before, form.scene());
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("tick from %1: ").arg(angle) + wrong));

        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
}

QTEST_MAIN(TestEveryAngle)
#include "tst_everyangle.moc"
