// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The stator cross-section as a student sees it: found by colour on an image
// of the window, at the places, sizes and colours the drawing is designed
// with (twips / 15 = pixels), each mark inside its own ring and each name
// next to it, and the legend reading the marks the right way round.
#include "testapp.h"

#include "desktop/startup.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace {

const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kBlue(0, 0, 255), kBlack(0, 0, 0), kGrey(192, 192, 192);

constexpr double kPi = std::numbers::pi;

QPointF pixels(double xTwips, double yTwips) { return {xTwips / 15.0, yTwips / 15.0}; }

// Within a blend's reach of the pure colour: an antialiased edge is not.
bool looksLike(QRgb c, const QColor& pure)
{
    return std::abs(qRed(c) - pure.red()) < 64 && std::abs(qGreen(c) - pure.green()) < 64
           && std::abs(qBlue(c) - pure.blue()) < 64;
}

bool showsAt(const QImage& img, QPointF p, const QColor& colour)
{
    const QPoint px(int(std::floor(p.x())), int(std::floor(p.y())));
    return img.rect().contains(px) && looksLike(img.pixel(px), colour);
}

QPointF polar(QPointF centre, double radius, double radians)
{
    return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

// Share of points on a circle that show the colour.
double shareOnCircle(const QImage& img, QPointF centre, double radius, const QColor& colour)
{
    constexpr int kSamples = 120;
    int hits = 0;
    for (int i = 0; i < kSamples; ++i)
        hits += showsAt(img, polar(centre, radius, 2 * kPi * i / kSamples), colour);
    return double(hits) / kSamples;
}

// The pixels of one colour in an area, and those that `keep` accepts.
QList<QPoint> inkIn(const QImage& img, const QRect& area, const QColor& colour, const std::function<bool(QPoint)>& keep = {})
{
    QList<QPoint> ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (img.rect().contains(x, y) && looksLike(img.pixel(x, y), colour) && (!keep || keep({x, y})))
                ink << QPoint(x, y);
        }
    }
    return ink;
}

QList<QPoint> inkWithin(const QImage& img, QPointF centre, double radius, const QColor& colour)
{
    const QRect square = QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)).toAlignedRect();
    return inkIn(img, square, colour, [&](QPoint p) { return QLineF(QPointF(p) + QPointF(0.5, 0.5), centre).length() <= radius; });
}

QPointF centroid(const QList<QPoint>& points)
{
    QPointF sum;
    for (QPoint p : points)
        sum += QPointF(p) + QPointF(0.5, 0.5);
    return points.isEmpty() ? sum : sum / double(points.size());
}

QRect bounds(const QList<QPoint>& points)
{
    QRect r;
    for (QPoint p : points)
        r |= QRect(p, QSize(1, 1));
    return r;
}

// How much of a pixel a colour covers where it is blended over the grey
// ground, 0 to 1; nothing for a pixel of some other colour.
double coverage(QRgb c, const QColor& pure)
{
    const double d[] = {qRed(c) - 192.0, qGreen(c) - 192.0, qBlue(c) - 192.0};
    const double w[] = {pure.red() - 192.0, pure.green() - 192.0, pure.blue() - 192.0};
    double dot = 0, norm = 0;
    for (int i = 0; i < 3; ++i) {
        dot += d[i] * w[i];
        norm += w[i] * w[i];
    }
    const double share = std::clamp(dot / norm, 0.0, 1.0);
    double off = 0;
    for (int i = 0; i < 3; ++i)
        off += (d[i] - share * w[i]) * (d[i] - share * w[i]);
    return std::sqrt(off) < 40 ? share : 0;
}

// Width in pixels of what the colour paints across a point, within
// `reach` either side along `direction`.
double inkAcross(const QImage& img, QPointF at, QPointF direction, const QColor& colour, double reach)
{
    constexpr double kStep = 0.125;
    double ink = 0;
    for (double t = -reach; t <= reach; t += kStep) {
        const QPointF p = at + t * direction;
        const QPoint px(int(std::floor(p.x())), int(std::floor(p.y())));
        if (img.rect().contains(px))
            ink += coverage(img.pixel(px), colour) * kStep;
    }
    return ink;
}

// Text as a label draws it: from the top-left corner of its rectangle, in
// the designed bold face (or Liberation Sans in its place) on the grey.
QImage rendered(const QString& text, double points, const QColor& colour, QSize box)
{
    QImage img(box, QImage::Format_RGB32);
    img.fill(kGrey);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(qRound(points * 20 / 15));
    font.setBold(true);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(QPoint(), box), Qt::AlignLeft | Qt::AlignTop, text);
    return img;
}


// Where the text's rectangle must lie for its letters to fall on the ink
// found in the window, or nothing when the letters there are not this text
// in this colour: most pixels that are ink in either image must be ink in both.
std::optional<QRect> textAt(const QImage& window, const QList<QPoint>& ink, const QString& text, double points,
                            const QColor& colour, QSize box)
{
    const QImage want = rendered(text, points, colour, box);
    const QList<QPoint> wantInk = inkIn(want, want.rect(), colour);
    if (ink.isEmpty() || wantInk.isEmpty())
        return std::nullopt;
    const QPoint origin = bounds(ink).topLeft() - bounds(wantInk).topLeft();
    int either = 0, both = 0;
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x) {
            const bool a = looksLike(want.pixel(x, y), colour);
            const bool b = window.rect().contains(origin + QPoint(x, y)) && looksLike(window.pixel(origin + QPoint(x, y)), colour);
            either += a || b;
            both += a && b;
        }
    }
    const QSize grown = bounds(ink).size() - bounds(wantInk).size();
    if (both < 0.9 * either || std::abs(grown.width()) > 1 || std::abs(grown.height()) > 1)
        return std::nullopt;
    return QRect(origin, box);
}

struct Conductor {
    const char* name;
    double degrees; // counter-clockwise from the right, around (4500, 4500)
    QPointF ringTwips;
    QColor colour;
};

// The conductor rings' centres, each 3360 to 3380 twips from the centre.
const Conductor kConductors[] = {
    {"R1", 90, {4500, 1140}, kRed},    {"R2", 270, {4500, 7860}, kRed},    {"Y1", 330, {7410, 6180}, kYellow},
    {"Y2", 150, {1570, 2820}, kYellow}, {"B1", 210, {1580, 6160}, kBlue}, {"B2", 30, {7420, 2800}, kBlue},
};

const Conductor& conductor(const QString& name)
{
    for (const Conductor& c : kConductors) {
        if (name == QLatin1String(c.name))
            return c;
    }
    qFatal("no conductor %s", qPrintable(name));
}

const QPointF kCentre = pixels(4500, 4500);
const QPointF kShape1Centre = pixels(4500, 4470);
constexpr double kShape1Radius = 3750 / 15.0;

// The legend's frame, and its two rings' centres inside it.
const QPointF kFrame2 = pixels(600, 9000);
const QPointF kLegendCross = kFrame2 + pixels(480 + 300, 360 + 300);
const QPointF kLegendDot = kFrame2 + pixels(4080 + 300, 360 + 300);

struct App : TestApp {
    explicit App(const QString& degrees)
    {
        if (!degrees.isEmpty())
            setAngle(degrees);
    }
};

} // namespace

class TestScene : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void ringsAndMarks_data();
    void ringsAndMarks();
    void nameLabels_data();
    void nameLabels();
    void statorCircles_data();
    void statorCircles();
    void coilLines_data();
    void coilLines();
    void legendCaptions();
};

void TestScene::initTestCase()
{
    vantrel::setUpApplication();
    App app({});
    QCOMPARE(app.form.devicePixelRatio(), 1.0);
    QCOMPARE(app.shot().size(), QSize(1010, 734));
}

void TestScene::ringsAndMarks_data()
{
    QTest::addColumn<QPointF>("ring"); // its centre, in pixels
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("degrees"); // typed into the box; empty: none
    QTest::addColumn<QString>("mark");
    // At 90 degrees R's current is below -120 and Y's and B's above +120, at
    // 270 degrees the other way round: a cross on the first conductor and a
    // dot on the second, or the opposite.
    for (const char* degrees : {"90", "270"}) {
        for (const Conductor& c : kConductors) {
            const bool first = c.name[1] == '1';
            const bool negative = (c.name[0] == 'R') == (QByteArray(degrees) == "90");
            QTest::addRow("%s at %s degrees", c.name, degrees)
                << pixels(c.ringTwips.x(), c.ringTwips.y()) << c.colour << QString::fromLatin1(degrees) << (first == negative ? "cross" : "dot");
        }
    }
    // At 0 degrees R's current is zero: neither mark shows.
    QTest::newRow("R1 at 0 degrees") << pixels(4500, 1140) << kRed << "0" << "none";
    QTest::newRow("R2 at 0 degrees") << pixels(4500, 7860) << kRed << "0" << "none";
    QTest::newRow("legend, first ring") << kLegendCross << kRed << QString() << "cross";
    QTest::newRow("legend, second ring") << kLegendDot << kRed << QString() << "dot";
}

// Each ring is 600 twips across with a 5-pixel outline: it covers radii
// 17.5 to 22.5 pixels. A dot is a disc about 18 pixels across; a cross is
// two 3-pixel lines along the diagonals, some 23 pixels long. Both are
// centred within 30 twips of the ring's centre and stay clear of its outline.
void TestScene::ringsAndMarks()
{
    QFETCH(QPointF, ring);
    QFETCH(QColor, colour);
    QFETCH(QString, degrees);
    QFETCH(QString, mark);
    App app(degrees);
    const QImage img = app.shot();

    QVERIFY2(shareOnCircle(img, ring, 20, colour) >= 0.95, "no ring of this colour here");
    QVERIFY2(shareOnCircle(img, ring, 25.5, colour) <= 0.05, "the ring is wider or lies elsewhere");
    QVERIFY2(shareOnCircle(img, ring, 15, colour) == 0, "the mark touches the ring");
    QVERIFY2(inkWithin(img, ring, 15, kBlack).isEmpty(), "a coil line reaches into the ring");

    const QList<QPoint> ink = inkWithin(img, ring, 15, colour);
    if (mark == QLatin1String("none")) {
        QVERIFY2(ink.isEmpty(), "a mark shows");
        return;
    }
    QVERIFY(!ink.isEmpty());
    const QPointF centre = centroid(ink);
    QVERIFY2(QLineF(centre, ring).length() <= 2.5,
             qPrintable(QStringLiteral("mark centred at (%1, %2)").arg(centre.x()).arg(centre.y())));
    const QRect box = bounds(ink);
    const double diagonal = 1 / std::numbers::sqrt2;
    const QPointF axes[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    const QPointF diagonals[] = {{diagonal, diagonal}, {-diagonal, diagonal}, {-diagonal, -diagonal}, {diagonal, -diagonal}};
    if (mark == QLatin1String("dot")) {
        QVERIFY2(box.width() >= 16 && box.width() <= 20 && box.height() >= 16 && box.height() <= 20,
                 qPrintable(QStringLiteral("%1 x %2 pixels").arg(box.width()).arg(box.height())));
        // Solid from its one-pixel hole out to its edge, not a thin ring.
        for (double r : {2.5, 4.0, 5.5, 7.0, 8.0})
            QVERIFY2(shareOnCircle(img, centre, r, colour) >= 0.95, qPrintable(QStringLiteral("gaps at radius %1").arg(r)));
        for (QPointF d : diagonals)
            QVERIFY2(!showsAt(img, centre + 10.5 * d, colour), "a cross's arm shows too");
    } else {
        for (QPointF d : diagonals) {
            for (double r : {1.0, 4.0, 7.0, 10.0})
                QVERIFY2(showsAt(img, centre + r * d, colour), "an arm of the cross is missing");
            const QPointF across(-d.y(), d.x());
            const double width = inkAcross(img, centre + 6 * d, across, colour, 4);
            QVERIFY2(width >= 2.25 && width <= 4, qPrintable(QStringLiteral("arm %1 pixels wide").arg(width)));
        }
        // Between the arms there is nothing: no dot under the cross.
        for (QPointF a : axes)
            QVERIFY2(!showsAt(img, centre + 6 * a, colour), "filled between the arms");
    }
}

void TestScene::nameLabels_data()
{
    QTest::addColumn<QString>("name");
    for (const Conductor& c : kConductors)
        QTest::newRow(c.name) << QString::fromLatin1(c.name);
}

// Each name stands next to its ring just outside Shape1, in the phase
// colour: its 375 x 300-twip rectangle 40 to 114 twips outside the circle.
void TestScene::nameLabels()
{
    QFETCH(QString, name);
    const Conductor& c = conductor(name);
    App app({});
    const QImage img = app.shot();
    // Ink of the phase colour beyond Shape1, in the conductor's direction.
    const auto besideTheRing = [&](QPoint p) {
        const QPointF d = QPointF(p) + QPointF(0.5, 0.5) - kShape1Centre;
        const double angle = std::atan2(-d.y(), d.x()) * 180 / kPi;
        const double off = std::remainder(angle - c.degrees, 360.0);
        return std::hypot(d.x(), d.y()) > kShape1Radius + 1 && std::abs(off) < 25;
    };
    const QRect around = QRectF(kShape1Centre - QPointF(300, 300), QSizeF(600, 600)).toRect();
    const QList<QPoint> ink = inkIn(img, around, c.colour, besideTheRing);
    const std::optional<QRect> label = textAt(img, ink, name, 13.5, c.colour, QSize(25, 20));
    QVERIFY2(label, "the name in its colour is not there");

    const QPointF nearest(std::clamp(kShape1Centre.x(), double(label->left()), double(label->right() + 1)),
                          std::clamp(kShape1Centre.y(), double(label->top()), double(label->bottom() + 1)));
    const double outside = (QLineF(kShape1Centre, nearest).length() - kShape1Radius) * 15;
    QVERIFY2(outside >= 40 - 15 && outside <= 114 + 15, qPrintable(QStringLiteral("%1 twips outside").arg(outside)));
}

void TestScene::statorCircles_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("radius");
    QTest::newRow("Shape1, outer") << kShape1Centre << kShape1Radius;
    QTest::newRow("sh1, inner") << kCentre << 3000 / 15.0;
}

// A thin black circle: a pixel's worth of black at its radius nearly all
// round, and none a few pixels in or out but where the coil lines cross it.
void TestScene::statorCircles()
{
    QFETCH(QPointF, centre);
    QFETCH(double, radius);
    App app({});
    const QImage img = app.shot();
    const auto inkAt = [&](double r, double radians) {
        return inkAcross(img, polar(centre, r, radians), polar({}, 1, radians), kBlack, 1.5);
    };
    constexpr int kSamples = 360;
    int on = 0, off = 0;
    for (int i = 0; i < kSamples; ++i) {
        const double radians = 2 * kPi * i / kSamples;
        on += inkAt(radius, radians) >= 0.35;
        off += inkAt(radius - 4, radians) >= 0.25 || inkAt(radius + 4, radians) >= 0.25;
    }
    QVERIFY2(on >= 0.97 * kSamples, qPrintable(QStringLiteral("%1 of %2 on the circle").arg(on).arg(kSamples)));
    QVERIFY2(off <= 0.05 * kSamples, qPrintable(QStringLiteral("%1 of %2 beside it").arg(off).arg(kSamples)));
}

void TestScene::coilLines_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QLineF>("designed"); // twips
    QTest::newRow("R") << "R1" << "R2" << QLineF(4500, 1560, 4500, 7440);
    QTest::newRow("Y") << "Y2" << "Y1" << QLineF(1920, 3000, 7080, 6000);
    QTest::newRow("B") << "B1" << "B2" << QLineF(1920, 6000, 7080, 3000);
}

// A thin line joins the two conductors of a phase through the centre, a
// pixel wide on its designed course. (Where it crosses the phasors, at the
// centre, window stacking tests look.)
void TestScene::coilLines()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QLineF, designed);
    App app({});
    const QImage img = app.shot();
    const QPointF a = pixels(designed.x1(), designed.y1());
    const QPointF b = pixels(designed.x2(), designed.y2());
    const QLineF line(a, b);
    const QPointF along = (b - a) / line.length();
    const QPointF across(-along.y(), along.x());
    // It runs from one conductor's ring to the other's.
    for (const QString& name : {first, second}) {
        const QPointF ring = pixels(conductor(name).ringTwips.x(), conductor(name).ringTwips.y());
        const double nearest = std::min(QLineF(ring, a).length(), QLineF(ring, b).length());
        QVERIFY2(nearest < 30, qPrintable(QStringLiteral("%1 is %2 pixels from the line").arg(name).arg(nearest)));
    }
    const auto inkAt = [&](double t, double offset, double reach) {
        return inkAcross(img, a + t * along + offset * across, across, kBlack, reach);
    };
    for (double t = 3; t <= line.length() - 3; t += 2) {
        if (std::abs(t - line.length() / 2) < 32)
            continue;
        const QString where = QStringLiteral("%1 pixels from %2's end").arg(t).arg(first);
        QVERIFY2(inkAt(t, 0, 1) >= 0.4, qPrintable(QStringLiteral("gap ") + where));
        QVERIFY2(inkAt(t, 2.5, 1) < 0.2 && inkAt(t, -2.5, 1) < 0.2, qPrintable(QStringLiteral("off course ") + where));
    }
}

// The legend reads left to right: the ring with the cross, "Downwards", the
// ring with the dot, "Upwards" (the marks are checked with the rings).
void TestScene::legendCaptions()
{
    App app({});
    const QImage img = app.shot();
    const QColor ink = app.form.palette().color(QPalette::ButtonText);
    const int top = int(kFrame2.y()) + 20, bottom = int(kFrame2.y() + 1215 / 15.0) - 4;
    const struct {
        const char* caption;
        double from, to; // x between which it stands
        QSize box;
    } captions[] = {
        {"Downwards", kLegendCross.x() + 25, kLegendDot.x() - 25, QSize(129, 33)},
        {"Upwards", kLegendDot.x() + 25, kFrame2.x() + 7575 / 15.0 - 4, QSize(105, 33)},
    };
    for (const auto& c : captions) {
        const QRect area(QPoint(int(c.from), top), QPoint(int(c.to), bottom));
        const QList<QPoint> found = inkIn(img, area, ink);
        QVERIFY2(textAt(img, found, QString::fromLatin1(c.caption), 12, ink, c.box), c.caption);
    }
}

QTEST_MAIN(TestScene)
#include "tst_scene.moc"
