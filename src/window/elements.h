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
    Frame2, Label4, Label3, Shape8, Line5, Line2, Shape10, Shape9,
    cmdAngle, txtAngle, Frame1, optFast, optMed, optSlow, cmdPlay, Timer1,
    cmdAbout, Label2, lblAngle,
    Label1_5, Label1_4, Label1_3, Label1_2, Label1_1, Label1_0,
    Lb1, Lb2, Db, Lyy1, Lyy2, Dyy, Ly1, Ly2, Dy, Lbb1, Lbb2, Dbb,
    LineX, Line4, Line3, Line1,
    Lrr1, Lrr2, Dr, Drr, Lr1, Lr2,
    Shape7, Shape6, Shape5, Shape4, Shape3, Shape2,
    LineB, LineY, Shape1, LineR, sh1, Image1, LineW,
    count_
};

inline constexpr std::size_t kElementCount = static_cast<std::size_t>(Id::count_);

constexpr std::size_t indexOf(Id id) { return static_cast<std::size_t>(id); }

// A group box holds other controls under a caption; the design calls it a frame.
enum class Kind : std::uint8_t {
    GroupBox, Label, PushButton, TextBox, OptionButton, Timer, Image, Line, Circle
};

// The container an element is placed in; its geometry is relative to it.
enum class In : std::uint8_t { Window, Frame1, Frame2 };

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
