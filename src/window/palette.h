// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The designed window's colours as RGB, the system colours taken from the
// classic light grey scheme, so that every front end shows the same window.
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

// An element colour as RGB; nothing where the element has none.
constexpr std::optional<std::uint32_t> designRgb(const Colour& colour)
{
    switch (colour.source) {
    case Colour::Rgb:
        return colour.rgb;
    case Colour::ButtonText:
        return kScheme.buttonText;
    case Colour::WindowText:
        return kScheme.windowText;
    case Colour::Control:
        return kScheme.button;
    case Colour::None:
        break;
    }
    return std::nullopt;
}

} // namespace vantrel
