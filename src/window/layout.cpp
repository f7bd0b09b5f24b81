// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/layout.h"

#include <algorithm>
#include <span>

namespace vantrel {
namespace {

using R = RegionId;

// Each rectangle holds its elements with their strokes: the stator from the
// label R1 to R2 and across the outer ring; the buttons with the About
// picture set one button gap after Set Angle.
// clang-format off
constexpr std::array<RegionDef, kRegionCount> kRegions{{
//   id          name       rect (twips)                 grows  maxScale
    {R::Stator,  "stator",  {735, 345, 7530, 8250},      true,  0},
    {R::Legend,  "legend",  {600, 9000, 7575, 1215},     false, 1},
    {R::ReadOut, "readOut", {9360, 1320, 3975, 375},     false, 1},
    // The chart is a picture of fixed pixels: past its designed size it
    // would only blur, so the stator takes what is left.
    {R::Chart,   "chart",   {9195, 2000, 5320, 4995},    true,  1},
    {R::Speeds,  "speeds",  {9240, 7200, 5295, 855},     false, 1},
    {R::Buttons, "buttons", {9240, 8265, 5955, 480},     false, 1},
}};
// clang-format on

constexpr std::array<Move, 1> kMoves{{{Id::aboutButton, 14715, 8265}}};

constexpr auto E = R::count_;

constexpr std::array<ArrangementDef, 3> kArrangements{{
    {Arrangement::Designed, "designed", {{{E, E, E, E, E, E}, {E, E, E, E, E, E}}}},
    // Narrower than tall: one column, the stator with its legend first.
    {Arrangement::Upright, "upright",
        {{{R::Stator, R::Legend, R::ReadOut, R::Chart, R::Speeds, R::Buttons}, {E, E, E, E, E, E}}}},
    // A phone on its side: the stator over the whole height on the left,
    // what changes and what is pressed on the right.
    {Arrangement::Sideways, "sideways",
        {{{R::Stator, R::Legend, E, E, E, E}, {R::ReadOut, R::Chart, R::Speeds, R::Buttons, E, E}}}},
}};

constexpr bool rowsInOrder()
{
    for (std::size_t i = 0; i < kRegions.size(); ++i) {
        if (static_cast<std::size_t>(kRegions[i].id) != i)
            return false;
    }
    for (std::size_t i = 0; i < kArrangements.size(); ++i) {
        if (static_cast<std::size_t>(kArrangements[i].id) != i)
            return false;
    }
    return true;
}
static_assert(rowsInOrder(), "region and arrangement rows must follow their ids");

// A font's height in pixels at the designed 96 dpi.
constexpr double pointsToPixels(double points) { return points * 20 / kTwipsPerPixel; }

// The element that holds this one, followed up to the window.
Id containerOf(Id id)
{
    switch (element(id).in) {
    case In::SpeedBox: return Id::speedBox;
    case In::LegendBox: return Id::legendBox;
    case In::Window: break;
    }
    return id;
}

double px(int twips) { return twips / kTwipsPerPixel; }

// One column of regions `width` wide from `left`, in `height`. The sums run
// in the order the page's script once ran them, so that every box lands on
// the same pixel it did.
std::vector<RegionBox> stack(std::span<const RegionId> column, double width, double height, double left)
{
    std::vector<double> scales;
    double fixed = 0;
    for (const RegionId id : column) {
        const RegionDef& r = region(id);
        const double fit = width / px(r.rect.c);
        scales.push_back(r.grows ? 0 : std::min(fit, r.maxScale ? r.maxScale : fit));
        fixed = fixed + (r.grows ? 0 : px(r.rect.d) * scales.back());
    }
    const double room = height - fixed - kRegionGapPx * static_cast<double>(column.size() - 1);
    const auto pictureScale = [&](const RegionDef& r, double across) {
        const double w = px(r.rect.c);
        const double most = std::min(width, r.maxScale ? r.maxScale * w : width);
        return std::min(across, most) / w;
    };
    const auto used = [&](double across) {
        double sum = 0;
        for (const RegionId id : column)
            sum = sum + (region(id).grows ? px(region(id).rect.d) * pictureScale(region(id), across) : 0);
        return sum;
    };
    // The widest the pictures may be and still fit the height, by halving.
    double lo = 0, hi = width;
    for (int i = 0; i < 40; ++i) {
        const double mid = (lo + hi) / 2;
        (used(mid) <= room ? lo : hi) = mid;
    }
    double floor = 0;
    for (const RegionId id : column) {
        const RegionDef& r = region(id);
        if (r.grows)
            floor = std::max(floor, std::min(width, regionMinScale(id) * px(r.rect.c)));
    }
    const double across = std::max(lo, floor);
    std::vector<RegionBox> boxes;
    double top = kPageMarginPx;
    for (std::size_t i = 0; i < column.size(); ++i) {
        const RegionDef& r = region(column[i]);
        const double s = r.grows ? pictureScale(r, across) : scales[i];
        boxes.push_back({r.id, s, left, top, width, px(r.rect.d) * s});
        top += boxes.back().height + kRegionGapPx;
    }
    return boxes;
}

// An arrangement's column without the marks that end it early.
std::span<const RegionId> regionsOf(const std::array<RegionId, kRegionCount>& column)
{
    const auto end = std::find(column.begin(), column.end(), RegionId::count_);
    return {column.begin(), end};
}

} // namespace

const std::array<RegionDef, kRegionCount>& regionTable() { return kRegions; }

const std::array<Move, 1>& rearrangedMoves() { return kMoves; }

const std::array<ArrangementDef, static_cast<std::size_t>(Arrangement::count_)>& arrangementTable()
{
    return kArrangements;
}

RegionId regionOf(Id id)
{
    switch (containerOf(id)) {
    case Id::legendBox: return R::Legend;
    case Id::speedBox: return R::Speeds;
    case Id::readOutLabel:
    case Id::readOut: return R::ReadOut;
    case Id::waveformChart:
    case Id::timeCursor: return R::Chart;
    case Id::playButton:
    case Id::angleBox:
    case Id::setAngleButton:
    case Id::aboutButton: return R::Buttons;
    case Id::ticker: return R::count_;
    default: return R::Stator;
    }
}

double regionMinScale(RegionId r)
{
    double smallest = 0;
    for (const ElementDef& d : elementTable()) {
        if (!d.font.family || regionOf(d.id) != r)
            continue;
        const double px = pointsToPixels(d.font.points);
        smallest = smallest == 0 ? px : std::min(smallest, px);
    }
    return smallest == 0 ? 0 : kMinCaptionPx / smallest;
}

double designedMinScale()
{
    double scale = 0;
    for (const ElementDef& d : elementTable()) {
        if (d.font.family)
            scale = std::max(scale, kMinCaptionPx / pointsToPixels(d.font.points));
        const bool target = d.kind == Kind::PushButton || d.kind == Kind::TextBox ||
                            (d.kind == Kind::Image && d.picture == Picture::AboutIcon);
        if (target) {
            const double side = std::min(d.geometry.c, d.geometry.d) / kTwipsPerPixel;
            scale = std::max(scale, kMinTargetPx / side);
        }
    }
    return scale;
}

Arrangement arrangementFor(double widthPx, double heightPx, bool coarsePointer)
{
    const double designedScale = std::min(widthPx * kTwipsPerPixel / kClientWidthTwips,
                                          heightPx * kTwipsPerPixel / kClientHeightTwips);
    if (!coarsePointer || designedScale >= designedMinScale())
        return Arrangement::Designed;
    return widthPx < heightPx ? Arrangement::Upright : Arrangement::Sideways;
}

std::vector<RegionBox> arrangeRegions(Arrangement a, double widthPx, double heightPx)
{
    std::vector<std::span<const RegionId>> columns;
    for (const auto& column : arrangementTable()[static_cast<std::size_t>(a)].columns) {
        if (column[0] != RegionId::count_)
            columns.push_back(regionsOf(column));
    }
    const double inner = heightPx - 2 * kPageMarginPx;
    double left = kPageMarginPx;
    if (columns.empty())
        return {};
    if (columns.size() == 1)
        return stack(columns[0], widthPx - 2 * kPageMarginPx, inner, left);
    const std::span<const RegionId> first = columns[0];
    double tall = 0, wide = 0;
    for (const RegionId id : first) {
        tall = tall + px(region(id).rect.d);
        wide = std::max(wide, px(region(id).rect.c));
    }
    const double scale = std::min((inner - kRegionGapPx * static_cast<double>(first.size() - 1)) / tall,
                                  (widthPx - 2 * kPageMarginPx) * kFirstColumnShare / wide);
    std::vector<RegionBox> boxes;
    double top = kPageMarginPx;
    for (const RegionId id : first) {
        const double height = px(region(id).rect.d) * scale;
        boxes.push_back({id, scale, left, top, wide * scale, height});
        top += height + kRegionGapPx;
    }
    left += wide * scale + kRegionGapPx;
    for (std::size_t c = 1; c < columns.size(); ++c) {
        const double width = (widthPx - kPageMarginPx - left) / static_cast<double>(columns.size() - 1);
        for (const RegionBox& b : stack(columns[c], width, inner, left))
            boxes.push_back(b);
        left += width + kRegionGapPx;
    }
    return boxes;
}

} // namespace vantrel
