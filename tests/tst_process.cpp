// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame update: from an angle to every moving element of the scene.
#include "scene/frame.h"
#include "window/sceneframe.h"

#include <QTest>

#include <cmath>
#include <optional>

using namespace vantrel;

namespace {

struct MarkIds {
    Id cross1a, cross1b, dot1, cross2a, cross2b, dot2;
};
constexpr MarkIds kMarksR{Id::Lr1, Id::Lr2, Id::Dr, Id::Lrr1, Id::Lrr2, Id::Drr};
constexpr MarkIds kMarksY{Id::Ly1, Id::Ly2, Id::Dy, Id::Lyy1, Id::Lyy2, Id::Dyy};
constexpr MarkIds kMarksB{Id::Lb1, Id::Lb2, Id::Db, Id::Lbb1, Id::Lbb2, Id::Dbb};

// Four characters: first conductor's cross, its dot, second conductor's
// cross, its dot; 'x' or 'o' where shown, '-' where hidden.
QString marksOf(const SceneState& s, const MarkIds& m)
{
    QString out;
    const bool cross1 = s[m.cross1a].visible;
    const bool cross2 = s[m.cross2a].visible;
    // The two lines of one cross always go together.
    if (cross1 != s[m.cross1b].visible || cross2 != s[m.cross2b].visible)
        return QStringLiteral("half a cross");
    out += cross1 ? 'x' : '-';
    out += s[m.dot1].visible ? 'o' : '-';
    out += cross2 ? 'x' : '-';
    out += s[m.dot2].visible ? 'o' : '-';
    return out;
}

// The elements as the window keeps them: each frame is drawn over the one before.
struct Drawing {
    SceneState s;
    std::optional<Frame> last;

    void process(std::int16_t angle)
    {
        last = frameAt(angle, last ? last->marks() : kDesignedMarks);
        writeFrame(*last, s);
    }
};

bool near(float actual, double expected) { return std::abs(double{actual} - expected) < 0.001; }

} // namespace

class TestProcess : public QObject {
    Q_OBJECT
private slots:
    void phaseValues_data();
    void phaseValues();
    void frame_data();
    void frame();
    void thresholdKeepsPreviousMarks_data();
    void thresholdKeepsPreviousMarks();
    void resultantTurnsAtNearlyConstantLength();
    void sameAngleSameScene();
    void onlyDynamicElementsChange();
};

void TestProcess::phaseValues_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("b");
    QTest::newRow("0: the floor makes the two sides differ by one") << 0 << 0.0 << 1737.0 << -1736.0;
    QTest::newRow("157") << 157 << -1999.0 << 994.0 << 991.0;
    QTest::newRow("203: Y exactly on the threshold") << 203 << -1792.0 << 120.0 << 1660.0;
    QTest::newRow("209: Y zero") << 209 << -1736.0 << 0.0 << 1724.0;
}

void TestProcess::phaseValues()
{
    QFETCH(int, angle);
    QFETCH(double, r);
    QFETCH(double, y);
    QFETCH(double, b);
    QCOMPARE(phaseValue(angle), r);
    QCOMPARE(phaseValue(angle - kPhaseOffset), y);
    QCOMPARE(phaseValue(angle + kPhaseOffset), b);
}

void TestProcess::frame_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("cursor");
    QTest::addColumn<QString>("marks"); // R, Y and B; empty: not checked
    QTest::addColumn<QList<QPointF>>("ends"); // LineR, LineY, LineB, LineW; a null point: not checked

    const QPointF any;
    QTest::newRow("0: straight down") << 0 << "0 deg." << 9340.0 << "---- -ox- x--o"
                                      << QList<QPointF>{{4500, 4500}, {3631.5, 6004.242}, {5368, 6003.376}, {4499.5, 7507.618}};
    QTest::newRow("3: floor, not rounding") << 3 << "1 deg." << 9364.0 << "---- -ox- x--o" << QList<QPointF>{};
    QTest::newRow("10: R cross on R1") << 10 << "5 deg." << 9420.0 << "x--o -ox- x--o"
                                       << QList<QPointF>{{4301, 4500}};
    QTest::newRow("157: left") << 157 << "90 deg." << 10596.0 << "x--o -ox- -ox-"
                               << QList<QPointF>{{2501, 4500}, any, any, {1508.5, 4502.598}};
    QTest::newRow("209: Y zero length") << 209 << "119 deg." << 11012.0 << "" << QList<QPointF>{any, {4500, 4500}};
    QTest::newRow("314: up") << 314 << "180 deg." << 11852.0 << "---- x--o -ox-"
                             << QList<QPointF>{any, any, any, {4494.5, 1492.382}};
    QTest::newRow("471: right") << 471 << "270 deg." << 13108.0 << "-ox- x--o x--o"
                                << QList<QPointF>{{6500, 4500}, any, any, {7492, 4493.072}};
    QTest::newRow("627") << 627 << "359 deg." << 14356.0 << "---- -ox- x--o" << QList<QPointF>{};
    QTest::newRow("628: end of the cycle") << 628 << "360 deg." << 14364.0 << "---- -ox- x--o" << QList<QPointF>{};
    QTest::newRow("-174: left of the chart") << -174 << "-100 deg." << 7948.0 << "-ox- x--o x--o" << QList<QPointF>{};
    QTest::newRow("2928: largest 16-bit cursor") << 2928 << "1678 deg." << 32764.0 << "" << QList<QPointF>{};
    // Beyond 16 bits the frame is still whole: the cursor simply lies off the chart.
    QTest::newRow("2929: whole frame") << 2929 << "1679 deg." << 32772.0 << "" << QList<QPointF>{};
    QTest::newRow("-4096") << -4096 << "-2349 deg." << -23428.0 << "" << QList<QPointF>{};
    QTest::newRow("-4097: whole frame") << -4097 << "-2350 deg." << -23436.0 << "" << QList<QPointF>{};
    QTest::newRow("32767: top of the range") << 32767 << "18788 deg." << 271476.0 << "" << QList<QPointF>{};
    QTest::newRow("-32768: bottom of the range") << -32768 << "-18789 deg." << -252804.0 << "" << QList<QPointF>{};
}

// Every angle's whole frame is checked against the reference by
// tst_everyangle; these are the figures worked out by hand.
void TestProcess::frame()
{
    QFETCH(int, angle);
    QFETCH(QString, caption);
    QFETCH(double, cursor);
    QFETCH(QString, marks);
    QFETCH(QList<QPointF>, ends);

    Drawing d;
    const SceneState& s = d.s;
    d.process(static_cast<std::int16_t>(angle));

    QCOMPARE(QString::fromStdString(s[Id::lblAngle].caption), caption);
    QCOMPARE(s[Id::LineX].x1, static_cast<float>(cursor));
    QCOMPARE(s[Id::LineX].x2, static_cast<float>(cursor));
    QCOMPARE(s[Id::LineX].y1, 2040.0f); // the cursor stays vertical
    QCOMPARE(s[Id::LineX].y2, 6960.0f);

    if (!marks.isEmpty())
        QCOMPARE(QStringList({marksOf(s, kMarksR), marksOf(s, kMarksY), marksOf(s, kMarksB)}).join(' '), marks);

    const Id lines[] = {Id::LineR, Id::LineY, Id::LineB, Id::LineW};
    for (qsizetype i = 0; i < ends.size(); ++i) {
        const ElementState& line = s[lines[i]];
        QCOMPARE(line.x1, 4500.0f);
        QCOMPARE(line.y1, 4500.0f);
        if (!ends[i].isNull()) {
            const QString at = QStringLiteral("%1 ends at (%2, %3)").arg(i).arg(line.x2, 0, 'f', 3).arg(line.y2, 0, 'f', 3);
            QVERIFY2(near(line.x2, ends[i].x()) && near(line.y2, ends[i].y()), qPrintable(at));
        }
    }
}

void TestProcess::thresholdKeepsPreviousMarks_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<QString>("previousY");
    QTest::newRow("running from 202") << 202 << "-ox-";
    QTest::newRow("jump from 209, all hidden") << 209 << "----";
    QTest::newRow("jump from 314, cross on Y1") << 314 << "x--o";
}

// At 203 the Y value is exactly 120: its marks are left as they were.
void TestProcess::thresholdKeepsPreviousMarks()
{
    QFETCH(int, previous);
    QFETCH(QString, previousY);
    Drawing d;
    const SceneState& s = d.s;
    d.process(static_cast<std::int16_t>(previous));
    QCOMPARE(marksOf(s, kMarksY), previousY);
    d.process(203);
    QCOMPARE(marksOf(s, kMarksY), previousY);
    QCOMPARE(QString::fromStdString(s[Id::lblAngle].caption), QStringLiteral("116 deg."));
    d.process(204);
    QCOMPARE(marksOf(s, kMarksY), QStringLiteral("----"));
}

void TestProcess::resultantTurnsAtNearlyConstantLength()
{
    Drawing d;
    const SceneState& s = d.s;
    double previousDirection = 0;
    double turned = 0;
    for (int angle = 0; angle <= 628; ++angle) {
        d.process(static_cast<std::int16_t>(angle));
        const double dx = s[Id::LineW].x2 - 4500.0;
        const double dy = s[Id::LineW].y2 - 4500.0;
        const double length = std::hypot(dx, dy);
        QVERIFY2(length >= 2991 && length <= 3009, qPrintable(QStringLiteral("angle %1: length %2").arg(angle).arg(length)));
        // Screen y grows downwards, so a clockwise turn on screen raises atan2(dy, dx).
        const double direction = std::atan2(dy, dx);
        if (angle > 0) {
            const double step = std::remainder(direction - previousDirection, 2 * M_PI);
            QVERIFY2(step > 0, qPrintable(QStringLiteral("angle %1 turns back").arg(angle)));
            turned += step;
        }
        previousDirection = direction;
    }
    // One cycle of the tick is one turn, less the last hundredth-radian step.
    QVERIFY(std::abs(turned - 6.28) < 0.01);
}

void TestProcess::sameAngleSameScene()
{
    for (int angle : {0, 1, 100, 157, 400, 628, -300, 5000}) {
        Drawing once;
        once.process(static_cast<std::int16_t>(angle));
        Drawing twice = once;
        twice.process(static_cast<std::int16_t>(angle));
        QVERIFY(once.s == twice.s);
    }
}

// Everything but the read-out, cursor, marks and phasors is fixed design.
void TestProcess::onlyDynamicElementsChange()
{
    const SceneState designed;
    Drawing d;
    const SceneState& s = d.s;
    d.process(300);
    const QList<Id> dynamic{Id::lblAngle, Id::LineX, Id::Lr1, Id::Lr2, Id::Dr, Id::Lrr1, Id::Lrr2, Id::Drr,
                            Id::Ly1, Id::Ly2, Id::Dy, Id::Lyy1, Id::Lyy2, Id::Dyy, Id::Lb1, Id::Lb2, Id::Db,
                            Id::Lbb1, Id::Lbb2, Id::Dbb, Id::LineR, Id::LineY, Id::LineB, Id::LineW};
    for (const ElementDef& def : elementTable()) {
        if (!dynamic.contains(def.id))
            QVERIFY2(s[def.id] == designed[def.id], def.name);
    }
}

QTEST_APPLESS_MAIN(TestProcess)
#include "tst_process.moc"
