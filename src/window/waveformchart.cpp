// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/waveformchart.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace {

// Nested rectangles painted one over the other, outermost first: each one
// leaves a one-pixel ring of its colour around the next. The corner colour
// applies to the rectangle's four corner pixels.
struct Region {
    int left, top, right, bottom;
    QRgb edge;
    QRgb corner;
};

constexpr Region Regions[] = {
    {0, 0, 431, 294, qRgb(255, 255, 255), qRgb(255, 255, 255)},  // margin
    {7, 7, 425, 288, qRgb(224, 224, 224), qRgb(240, 240, 240)},  // outer ring
    {8, 8, 424, 287, qRgb(188, 188, 188), qRgb(183, 183, 183)},  // inner ring
    {9, 9, 423, 286, qRgb(192, 192, 192), qRgb(192, 192, 192)},  // fill
};

constexpr int OuterRingLeft = 7, OuterRingRight = 425;
constexpr int InnerRingLeft = 8, InnerRingRight = 424;
constexpr int FillLeft = 9, FillRight = 423;

struct Shade {
    int row;
    int grey;
};

// Each grid line is a dark row softened by lighter rows beside it. Where the
// dark row meets the edge rings it has its own crossing shades.
struct GridLine {
    Shade dark;
    Shade companions[3];
    int innerCrossing;
    int outerCrossing;
};

constexpr GridLine GridLines[] = {
    {{54, 164}, {{53, 184}, {52, 193}, {55, 195}}, 161, 222},   // +1
    {{101, 164}, {{100, 184}, {99, 193}, {102, 195}}, 161, 222},  // +0.5
    {{148, 164}, {{147, 184}, {146, 193}, {149, 195}}, 161, 222},  // 0
    {{194, 164}, {{195, 184}, {196, 193}, {193, 195}}, 161, 222},  // -0.5
    {{241, 178}, {{240, 188}, {239, 193}, {242, 194}}, 174, 223},  // -1
};

// Drawn in this order, each over the ones before.
struct Curve {
    QRgb colour;
    double lagDegrees;  // v(t) = sin(t - lag)
};

constexpr Curve Curves[] = {
    {qRgb(255, 0, 0), 0.0},      // R
    {qRgb(255, 255, 0), 120.0},  // Y
    {qRgb(0, 0, 255), 240.0},    // B
};

// Chart position of the point at phase t (degrees) with value v. Fractional
// positions are pixel centres: column c's centre is c.
constexpr double ColumnAtZero = 10.35;
constexpr double ColumnsPerDegree = 1.1393;
constexpr double RowAtZero = 147.47;
constexpr double RowsPerUnit = 93.57;
constexpr double LastDegree = 361.0;  // lands in column 422
constexpr double SampleStep = 0.05;   // degrees; about 0.06 px of curve

constexpr double LineWidth = 1.4;
// Coverage, judged by the distance of a pixel centre from the curve, falls
// from full to none over this distance, centred on the nominal edge of the
// line; the ink across the line still averages 1.4 px. Half a pixel leaves a
// fully covered pixel in every row the curve crosses, even where it is
// steepest (about 55 degrees), so the curves keep their pure colour where
// they cross the grid lines. Exact-area coverage, as QPainter computes it,
// leaves a 1.4 px line without a single pure pixel on its steep stretches.
constexpr double EdgeRamp = 0.5;
constexpr double FullCoverageDistance = (LineWidth - EdgeRamp) / 2;
constexpr double NoCoverageDistance = (LineWidth + EdgeRamp) / 2;

void paintRegions(QImage &image)
{
    QPainter painter(&image);
    for (const Region &r : Regions) {
        painter.fillRect(QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)),
                         QColor(r.edge));
        for (int x : {r.left, r.right})
            for (int y : {r.top, r.bottom})
                image.setPixel(x, y, r.corner);
    }
}

QRgb grey(int level)
{
    return qRgb(level, level, level);
}

void paintGridLines(QImage &image)
{
    for (const GridLine &line : GridLines) {
        // Companion rows stay inside the fill; the edge rings only change
        // where the dark row itself crosses them.
        for (const Shade &shade : line.companions)
            for (int x = FillLeft; x <= FillRight; ++x)
                image.setPixel(x, shade.row, grey(shade.grey));
        const int y = line.dark.row;
        for (int x = FillLeft; x <= FillRight; ++x)
            image.setPixel(x, y, grey(line.dark.grey));
        image.setPixel(InnerRingLeft, y, grey(line.innerCrossing));
        image.setPixel(InnerRingRight, y, grey(line.innerCrossing));
        image.setPixel(OuterRingLeft, y, grey(line.outerCrossing));
        image.setPixel(OuterRingRight, y, grey(line.outerCrossing));
    }
}

QPointF curvePoint(const Curve &curve, double t)
{
    const double v = std::sin((t - curve.lagDegrees) * std::numbers::pi / 180.0);
    return {ColumnAtZero + ColumnsPerDegree * t, RowAtZero - RowsPerUnit * v};
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const QPointF ap = p - a;
    const double lengthSquared = QPointF::dotProduct(ab, ab);
    const double s = lengthSquared > 0
        ? std::clamp(QPointF::dotProduct(ap, ab) / lengthSquared, 0.0, 1.0)
        : 0.0;
    const QPointF d = ap - s * ab;
    return std::hypot(d.x(), d.y());
}

// Distance from every pixel centre near the curve to the curve, which is
// followed as a polyline fine enough that its chords lie well within a
// hundredth of a pixel of the sine.
std::vector<double> distanceField(const Curve &curve, int width, int height)
{
    std::vector<double> distance(std::size_t(width) * height,
                                 std::numeric_limits<double>::infinity());
    const int steps = int(std::lround(LastDegree / SampleStep));
    QPointF a = curvePoint(curve, 0.0);
    for (int i = 1; i <= steps; ++i) {
        const QPointF b = curvePoint(curve, i * SampleStep);
        const int x0 = std::max(0, int(std::floor(std::min(a.x(), b.x()) - NoCoverageDistance)));
        const int x1 = std::min(width - 1, int(std::ceil(std::max(a.x(), b.x()) + NoCoverageDistance)));
        const int y0 = std::max(0, int(std::floor(std::min(a.y(), b.y()) - NoCoverageDistance)));
        const int y1 = std::min(height - 1, int(std::ceil(std::max(a.y(), b.y()) + NoCoverageDistance)));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                double &d = distance[std::size_t(y) * width + x];
                d = std::min(d, distanceToSegment(QPointF(x, y), a, b));
            }
        a = b;
    }
    return distance;
}

int blendChannel(int under, int over, double coverage)
{
    return int(std::lround(under + (over - under) * coverage));
}

void paintCurve(QImage &image, const Curve &curve)
{
    const std::vector<double> distance = distanceField(curve, image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double d = distance[std::size_t(y) * image.width() + x];
            if (d >= NoCoverageDistance)
                continue;
            const double coverage = d <= FullCoverageDistance
                ? 1.0
                : (NoCoverageDistance - d) / EdgeRamp;
            const QRgb under = image.pixel(x, y);
            image.setPixel(x, y, qRgb(blendChannel(qRed(under), qRed(curve.colour), coverage),
                                      blendChannel(qGreen(under), qGreen(curve.colour), coverage),
                                      blendChannel(qBlue(under), qBlue(curve.colour), coverage)));
        }
}

}  // namespace

QImage makeWaveformChart()
{
    QImage image(WaveformChartWidth, WaveformChartHeight, QImage::Format_RGB32);
    // The picture's nominal resolution is 72 dots per inch.
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);
    paintRegions(image);
    paintGridLines(image);
    for (const Curve &curve : Curves)
        paintCurve(image, curve);
    return image;
}
