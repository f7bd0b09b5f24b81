// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The designed elements of the one window, as data.
//
// Everything the window shows is described by elementTable() in elements.cpp:
// one row per element, in the order the window creates them. That order also
// decides the stacking of the painted elements, so rows must never be sorted.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vantrel {

// Twips per logical pixel: the scene is designed for 96 dpi.
inline constexpr double kTwipsPerPixel = 15.0;

// Designed client area, in twips.
inline constexpr int kClientWidthTwips = 15150;
inline constexpr int kClientHeightTwips = 11010;

// One identifier per element, in table order. Id::count_ is not an element.
enum class Id : std::uint8_t {
    legendBox, legendUpwards, legendDownwards, legendCrossRing, legendCrossA, legendCrossB, legendDotRing, legendDot,
    setAngleButton, angleBox, speedBox, fastOption, mediumOption, slowOption, playButton, ticker,
    aboutButton, readOutLabel, readOut,
    b2Caption, b1Caption, y2Caption, y1Caption, r2Caption, r1Caption,
    b1CrossA, b1CrossB, b1Dot, y2CrossA, y2CrossB, y2Dot, y1CrossA, y1CrossB, y1Dot, b2CrossA, b2CrossB, b2Dot,
    timeCursor, bAxis, rAxis, yAxis,
    r2CrossA, r2CrossB, r1Dot, r2Dot, r1CrossA, r1CrossB,
    b1Ring, b2Ring, y2Ring, y1Ring, r2Ring, r1Ring,
    bPhasor, yPhasor, statorOuter, rPhasor, statorInner, waveformChart, resultant,
    count_
};

inline constexpr std::size_t kElementCount = static_cast<std::size_t>(Id::count_);

constexpr std::size_t indexOf(Id id) { return static_cast<std::size_t>(id); }

// A group box holds other controls under a caption; the design calls it a frame.
enum class Kind : std::uint8_t {
    GroupBox, Label, PushButton, TextBox, OptionButton, Timer, Image, Line, Circle
};

// The container an element is placed in; its geometry is relative to it.
enum class In : std::uint8_t { Window, SpeedBox, LegendBox };

// A colour is either a fixed RGB value or one of the system scheme's colours.
struct Colour {
    enum Source : std::uint8_t { None, Rgb, ButtonText, WindowText, Control };
    Source source = None;
    std::uint32_t rgb = 0; // 0xRRGGBB when source is Rgb

    friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

enum class Picture : std::uint8_t { None, WaveformChart, AboutIcon };

struct FontDef {
    const char* family = nullptr; // nullptr: the element has no font
    double points = 0;            // always bold
};

// L, T, W, H for rectangles; X1, Y1, X2, Y2 for lines. Twips.
struct Geometry {
    int a = 0, b = 0, c = 0, d = 0;
};

struct ElementDef {
    Id id;
    const char* name;
    Kind kind;
    In in;
    Geometry geometry;
    Colour colour;     // line, outline or text colour
    Colour background; // fill behind labels, frames and option buttons
    int penWidth = 0;  // pixels, for lines and circles
    const char* caption = nullptr;
    FontDef font;
    bool selected = false; // option buttons
    int periodMs = 0;      // the timer
    Picture picture = Picture::None;
    bool stretch = false; // images
};

const std::array<ElementDef, kElementCount>& elementTable();

inline const ElementDef& element(Id id) { return elementTable()[indexOf(id)]; }

// Lines, circles, labels and images are painted by their container;
// the rest are real widgets that lie above them.
constexpr bool isPainted(Kind k)
{
    return k == Kind::Label || k == Kind::Line || k == Kind::Circle || k == Kind::Image;
}

} // namespace vantrel
