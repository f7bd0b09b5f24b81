// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/waveformchart.h"

#include "window/palette.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <span>
#include <vector>

namespace vantrel {
namespace {

// Nested rectangles painted one over the other, outermost first: each one
// leaves a one-pixel ring of its colour around the next. The corner colour
// applies to the rectangle's four corner pixels.
struct Region {
    int left, top, right, bottom;
    Rgba edge;
    Rgba corner;
};

constexpr Region Regions[] = {
    {0, 0, 431, 294, Rgba{255, 255, 255}, Rgba{255, 255, 255}},  // margin
    {7, 7, 425, 288, Rgba{224, 224, 224}, Rgba{240, 240, 240}},  // outer ring
    {8, 8, 424, 287, Rgba{188, 188, 188}, Rgba{183, 183, 183}},  // inner ring
    {9, 9, 423, 286, Rgba{192, 192, 192}, Rgba{192, 192, 192}},  // fill
};

// High contrast: a black frame round a white plot area, as the window is
// white; the inner ring is the plot's white.
constexpr Region HighContrastRegions[] = {
    {0, 0, 431, 294, Rgba{255, 255, 255}, Rgba{255, 255, 255}},
    {7, 7, 425, 288, Rgba{0, 0, 0}, Rgba{0, 0, 0}},
    {8, 8, 424, 287, Rgba{255, 255, 255}, Rgba{255, 255, 255}},
    {9, 9, 423, 286, Rgba{255, 255, 255}, Rgba{255, 255, 255}},
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

constexpr std::uint32_t CurveColours[] = {0xFF0000, 0xFFFF00, 0x0000FF};  // R, Y, B

// The grid lines of the high-contrast chart: one grey row each, 4.5:1 on the
// white, without the softening rows, which would only grey the white.
constexpr int HighContrastGrid = 0x76;

// How a look draws the chart. The high-contrast curves are wider, so that
// the chart, shrunk to 82 % across in the window, keeps a core of pure
// colour along every curve.
struct ChartLook {
    std::span<const Region> regions;
    bool softGrid;
    double lineWidth;
    Look look;
};

constexpr ChartLook DesignedChart{Regions, true, 1.4, Look::Designed};
constexpr ChartLook HighContrastChart{HighContrastRegions, false, 2.6, Look::HighContrast};

// One phase's current over the cycle, drawn in this order R, Y, B, each over
// the ones before. Designed, v(t) = sin(t - lag); the lab scales it, swaps
// the lags, or puts two phases in series.
struct Curve {
    Rgba colour;
    Phase phase;
    const Experiment &experiment;
    double lineWidth;
};

double drivenValue(Phase p, double t, const Experiment &e)
{
    if (!e.connected[p])
        return 0.0;
    const double lag = p == R ? 0.0 : (p == Y) == (e.sequence == Sequence::RYB) ? 120.0 : 240.0;
    const double v = std::sin((t - lag) * std::numbers::pi / 180.0);
    // 100 % leaves the designed sine untouched, to the bit.
    return e.amplitude[p] == 100 ? v : v * e.amplitude[p] / 100.0;
}

// The same rule as the frames' currents: one line open without a neutral
// leaves the other two in series, carrying half the difference.
double curveValue(const Curve &curve, double t)
{
    const Experiment &e = curve.experiment;
    const auto open = std::count(e.connected.begin(), e.connected.end(), false);
    if (e.neutral || open == 0)
        return drivenValue(curve.phase, t, e);
    if (open > 1 || !e.connected[curve.phase])
        return 0.0;
    const auto gone = static_cast<std::size_t>(std::find(e.connected.begin(), e.connected.end(), false) - e.connected.begin());
    const auto a = static_cast<Phase>((gone + 1) % 3), b = static_cast<Phase>((gone + 2) % 3);
    const double series = (drivenValue(a, t, e) - drivenValue(b, t, e)) / 2;
    return curve.phase == a ? series : -series;
}

// Chart position of the point at phase t (degrees) with value v. Fractional
// positions are pixel centres: column c's centre is c.
constexpr double ColumnAtZero = 10.35;
constexpr double ColumnsPerDegree = 1.1393;
constexpr double RowAtZero = 147.47;
constexpr double RowsPerUnit = 93.57;
constexpr double LastDegree = 361.0;  // lands in column 422
constexpr double SampleStep = 0.05;   // degrees; about 0.06 px of curve

// Designed, the curves are 1.4 px wide. Coverage, judged by the distance of
// a pixel centre from the curve, falls from full to none over this distance,
// centred on the nominal edge of the line; the ink across the line still averages 1.4 px. Half a pixel leaves a
// fully covered pixel in every row the curve crosses, even where it is
// steepest (about 55 degrees), so the curves keep their pure colour where
// they cross the grid lines. Exact-area coverage, as QPainter computes it,
// leaves a 1.4 px line without a single pure pixel on its steep stretches.
constexpr double EdgeRamp = 0.5;
double fullCoverageDistance(double lineWidth) { return (lineWidth - EdgeRamp) / 2; }
double noCoverageDistance(double lineWidth) { return (lineWidth + EdgeRamp) / 2; }

void paintRegions(Pixels &image, std::span<const Region> regions)
{
    for (const Region &r : regions) {
        for (int y = r.top; y <= r.bottom; ++y)
            for (int x = r.left; x <= r.right; ++x)
                image.set(x, y, r.edge);
        for (int x : {r.left, r.right})
            for (int y : {r.top, r.bottom})
                image.set(x, y, r.corner);
    }
}

Rgba grey(int level)
{
    const auto l = static_cast<std::uint8_t>(level);
    return Rgba{l, l, l};
}

void paintGridLines(Pixels &image, bool soft)
{
    for (const GridLine &line : GridLines) {
        if (!soft) {
            for (int x = FillLeft; x <= FillRight; ++x)
                image.set(x, line.dark.row, grey(HighContrastGrid));
            continue;
        }
        // Companion rows stay inside the fill; the edge rings only change
        // where the dark row itself crosses them.
        for (const Shade &shade : line.companions)
            for (int x = FillLeft; x <= FillRight; ++x)
                image.set(x, shade.row, grey(shade.grey));
        const int y = line.dark.row;
        for (int x = FillLeft; x <= FillRight; ++x)
            image.set(x, y, grey(line.dark.grey));
        image.set(InnerRingLeft, y, grey(line.innerCrossing));
        image.set(InnerRingRight, y, grey(line.innerCrossing));
        image.set(OuterRingLeft, y, grey(line.outerCrossing));
        image.set(OuterRingRight, y, grey(line.outerCrossing));
    }
}

struct Vec {
    double x, y;
    Vec operator-(Vec o) const { return {x - o.x, y - o.y}; }
    Vec operator*(double s) const { return {x * s, y * s}; }
};

double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

Vec curvePoint(const Curve &curve, double t)
{
    const double v = curveValue(curve, t);
    return {ColumnAtZero + ColumnsPerDegree * t, RowAtZero - RowsPerUnit * v};
}

double distanceToSegment(Vec p, Vec a, Vec b)
{
    const Vec ab = b - a;
    const Vec ap = p - a;
    const double lengthSquared = dot(ab, ab);
    const double s = lengthSquared > 0
        ? std::clamp(dot(ap, ab) / lengthSquared, 0.0, 1.0)
        : 0.0;
    const Vec d = ap - ab * s;
    return std::hypot(d.x, d.y);
}

// Distance from every pixel centre near the curve to the curve, which is
// followed as a polyline fine enough that its chords lie well within a
// hundredth of a pixel of the sine.
std::vector<double> distanceField(const Curve &curve, int width, int height)
{
    std::vector<double> distance(std::size_t(width) * height,
                                 std::numeric_limits<double>::infinity());
    const int steps = int(std::lround(LastDegree / SampleStep));
    const double noCoverage = noCoverageDistance(curve.lineWidth);
    Vec a = curvePoint(curve, 0.0);
    for (int i = 1; i <= steps; ++i) {
        const Vec b = curvePoint(curve, i * SampleStep);
        const int x0 = std::max(0, int(std::floor(std::min(a.x, b.x) - noCoverage)));
        const int x1 = std::min(width - 1, int(std::ceil(std::max(a.x, b.x) + noCoverage)));
        const int y0 = std::max(0, int(std::floor(std::min(a.y, b.y) - noCoverage)));
        const int y1 = std::min(height - 1, int(std::ceil(std::max(a.y, b.y) + noCoverage)));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                double &d = distance[std::size_t(y) * width + x];
                d = std::min(d, distanceToSegment(Vec{double(x), double(y)}, a, b));
            }
        a = b;
    }
    return distance;
}

std::uint8_t blendChannel(int under, int over, double coverage)
{
    return static_cast<std::uint8_t>(std::lround(under + (over - under) * coverage));
}

void paintCurve(Pixels &image, const Curve &curve)
{
    const std::vector<double> distance = distanceField(curve, image.width(), image.height());
    const double fullCoverage = fullCoverageDistance(curve.lineWidth);
    const double noCoverage = noCoverageDistance(curve.lineWidth);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double d = distance[std::size_t(y) * image.width() + x];
            if (d >= noCoverage)
                continue;
            const double coverage = d <= fullCoverage
                ? 1.0
                : (noCoverage - d) / EdgeRamp;
            const Rgba under = image.at(x, y);
            image.set(x, y, Rgba{blendChannel(under.r, curve.colour.r, coverage),
                                 blendChannel(under.g, curve.colour.g, coverage),
                                 blendChannel(under.b, curve.colour.b, coverage)});
        }
}

}  // namespace

Pixels makeWaveformChart() { return makeWaveformChart({}); }

Pixels makeWaveformChart(const Experiment &experiment, Look look)
{
    const ChartLook &chart = look == Look::HighContrast ? HighContrastChart : DesignedChart;
    Pixels image(WaveformChartWidth, WaveformChartHeight, Rgba{255, 255, 255});
    paintRegions(image, chart.regions);
    paintGridLines(image, chart.softGrid);
    for (Phase p : {R, Y, B}) {
        const Rgba colour = rgb(lookRgb(CurveColours[p], chart.look).value_or(CurveColours[p]));
        paintCurve(image, Curve{colour, p, experiment, chart.lineWidth});
    }
    return image;
}

} // namespace vantrel
