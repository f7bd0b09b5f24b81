// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scene cut into regions, and the ways a small screen may arrange them.
//
// A region is a rectangle of the designed client area with the elements that
// are drawn in it; it is always shown whole and at one scale, so nothing in
// it is stretched or mirrored. An arrangement lists the regions column by
// column, top to bottom. The page keeps the designed window wherever that
// window is big enough for the thresholds below, and otherwise picks the
// arrangement for the screen's shape and sizes the regions to fit it.
#pragma once

#include "window/elements.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantrel {

// What a student must be able to read and press, in CSS pixels: the height
// of a caption's letters (its font size), and each side of a touch target
// (the target size of WCAG 2.2 AA). A target may reach beyond the control
// it works; an option button's reaches for the comfortable size.
inline constexpr double kMinCaptionPx = 11;
inline constexpr double kMinTargetPx = 24;
inline constexpr double kComfortableTargetPx = 44;

// Around the rearranged page and between its regions, CSS pixels.
inline constexpr double kPageMarginPx = 4;
inline constexpr double kRegionGapPx = 6;
// Sideways, the stator's column takes at most this share of the width.
inline constexpr double kFirstColumnShare = 0.6;

// The page's font's ascent, as a share of its size: a painted label's text
// hangs from its rectangle's top edge by it.
inline constexpr double kFontAscent = 0.905;
// A group box's caption stands this many times its font size tall; the
// border runs through its middle.
inline constexpr double kCaptionLineHeight = 1.15;

enum class RegionId : std::uint8_t { Stator, Legend, ReadOut, Chart, Speeds, Buttons, count_ };

inline constexpr std::size_t kRegionCount = static_cast<std::size_t>(RegionId::count_);

struct RegionDef {
    RegionId id;
    const char* name;
    Geometry rect;   // L, T, W, H in the designed client area, twips
    bool grows;      // a picture that takes a share of the height left over
    double maxScale; // the most it grows against its designed size; 0 for no limit
};

const std::array<RegionDef, kRegionCount>& regionTable();

// The page's language chooser, a control of the page alone: in the empty
// corner below Set Angle and right of the legend, so it covers nothing of
// the designed scene, its right edge under Set Angle's. A small screen has
// no height to spare for it: it joins the stator's region, in the empty
// corner above the outer ring's left half (its top-left corner, twips).
inline constexpr const char* kLanguageChooserName = "language";
inline constexpr Geometry kLanguageChooser{11835, 9480, 2700, 450};
inline constexpr int kLanguageChooserRearranged[2] = {735, 345};

inline const RegionDef& region(RegionId r) { return regionTable()[static_cast<std::size_t>(r)]; }

// The region an element is shown in; RegionId::count_ for one that shows
// nothing (the timer). An element inside a frame goes with its frame.
RegionId regionOf(Id id);

// An element that leaves its designed place when the scene is rearranged:
// its new top-left corner in the designed client area, twips. The About
// picture joins the buttons, so that every control sits together.
struct Move {
    Id id;
    int left, top;
};
const std::array<Move, 1>& rearrangedMoves();

// The smallest scale of a region at which its captions are still
// kMinCaptionPx tall; 0 for a region without captions.
double regionMinScale(RegionId r);

// The smallest scale of the whole designed window at which every caption is
// kMinCaptionPx tall and every push button, the text box and the About
// picture measure kMinTargetPx each way. Option buttons are left out: their
// targets reach beyond them.
double designedMinScale();

enum class Arrangement : std::uint8_t { Designed, Upright, Sideways, count_ };

// Up to two columns of regions, each listed top to bottom and ended early by
// RegionId::count_. The designed arrangement has none: it is the window.
struct ArrangementDef {
    Arrangement id;
    const char* name;
    std::array<std::array<RegionId, kRegionCount>, 2> columns;
};

const std::array<ArrangementDef, static_cast<std::size_t>(Arrangement::count_)>& arrangementTable();

// The arrangement for a viewport of this many CSS pixels. The designed
// window stays wherever it is big enough; with a fine pointer (a mouse) it
// always does, and only scales, as the desktop's window does. Otherwise one
// column on an upright screen, two on one held sideways.
Arrangement arrangementFor(double widthPx, double heightPx, bool coarsePointer);

// A region as an arrangement shows it: its scale against its designed size,
// and its box on the page, CSS pixels.
struct RegionBox {
    RegionId region;
    double scale, left, top, width, height;
};

// The regions of an arrangement on a viewport of this many CSS pixels,
// column by column, each top to bottom; none for the designed window. A
// column of one arrangement keeps the controls at their designed size, or
// smaller if the width asks it, and grows the pictures to one common width
// until the height is used, the chart no further than its designed size.
// The pictures never shrink below what keeps their captions readable: the
// page then scrolls up and down instead. Sideways, the first column takes
// the whole height at one scale, and the others share the width left.
std::vector<RegionBox> arrangeRegions(Arrangement a, double widthPx, double heightPx);

} // namespace vantrel
