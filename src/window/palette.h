// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The designed window's colours as RGB, the system colours taken from the
// classic light grey scheme, so that every front end shows the same window;
// and the high-contrast look, the same window for a washed-out projector.
#pragma once

#include "window/elements.h"

#include <cstdint>
#include <optional>

namespace vantrel {

// 0xRRGGBB.
struct SchemeColours {
    std::uint32_t window = 0xC0C0C0;     // the window's background, frames, labels
    std::uint32_t button = 0xC0C0C0;     // push buttons
    std::uint32_t buttonText = 0x000000;
    std::uint32_t windowText = 0x000000;
    std::uint32_t base = 0xFFFFFF;       // the text box
    std::uint32_t text = 0x000000;
    // The bevels of raised and etched edges, lightest first. A group box's
    // etched border is a dark line with a light one inside it.
    std::uint32_t light = 0xFFFFFF;
    std::uint32_t midlight = 0xDFDFDF;
    std::uint32_t mid = 0xA0A0A0;
    std::uint32_t dark = 0x808080;
};

inline constexpr SchemeColours kScheme{};

// The designed look, or one for a projector that washes colours out: every
// caption at 4.5:1 or more against what lies behind it, every line, circle
// and mark at 3:1 or more, as WCAG asks of text and of graphics.
enum class Look : std::uint8_t { Designed, HighContrast };

// Black on white; the etched border's light line is a mid grey, which still
// shows on white (4.5:1), where the designed white one would vanish.
inline constexpr SchemeColours kHighContrastScheme{
    .window = 0xFFFFFF, .button = 0xFFFFFF, .buttonText = 0x000000, .windowText = 0x000000,
    .base = 0xFFFFFF, .text = 0x000000,
    .light = 0x767676, .midlight = 0xDFDFDF, .mid = 0x767676, .dark = 0x000000,
};

constexpr const SchemeColours& scheme(Look look) { return look == Look::HighContrast ? kHighContrastScheme : kScheme; }

// Each designed colour of the scene and its high-contrast stand-in. The
// phases keep their hue, darkened until they read on white: red 7.4:1, the
// yellow a dark amber 5.5:1, blue 11.9:1. The resultant and the field's
// path, white on the designed grey, turn black; the grey behind the labels
// is the window's white.
struct ColourPair {
    std::uint32_t designed;
    std::uint32_t highContrast;
};
inline constexpr ColourPair kHighContrastColours[] = {
    {0xFF0000, 0xB00000}, // R
    {0xFFFF00, 0x8A6100}, // Y
    {0x0000FF, 0x0000C0}, // B
    {0xFFFFFF, 0x000000}, // the resultant and the field's path
    {0xC0C0C0, kHighContrastScheme.window},
};

// A designed RGB colour in a look; nothing for a colour the high-contrast
// look has no stand-in for, which elements.cpp rules out at compile time.
constexpr std::optional<std::uint32_t> lookRgb(std::uint32_t designed, Look look)
{
    if (look == Look::Designed)
        return designed;
    for (const ColourPair& pair : kHighContrastColours) {
        if (pair.designed == designed)
            return pair.highContrast;
    }
    return std::nullopt;
}

// An element colour as RGB in a look; nothing where the element has none.
constexpr std::optional<std::uint32_t> lookRgb(const Colour& colour, Look look)
{
    const SchemeColours& s = scheme(look);
    switch (colour.source) {
    case Colour::Rgb:
        return lookRgb(colour.rgb, look);
    case Colour::ButtonText:
        return s.buttonText;
    case Colour::WindowText:
        return s.windowText;
    case Colour::Control:
        return s.button;
    case Colour::None:
        break;
    }
    return std::nullopt;
}

constexpr std::optional<std::uint32_t> designRgb(const Colour& colour) { return lookRgb(colour, Look::Designed); }

} // namespace vantrel
