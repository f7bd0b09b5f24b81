// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the front ends present the designed elements, decided once: what each
// element is to the user, the order Tab visits the controls, the group boxes'
// captions and how a line's pixels are laid.
#pragma once

#include "window/elements.h"
#include "window/scenestate.h"

#include <cstdint>
#include <span>

namespace vantrel {

enum class Role : std::uint8_t {
    None,          // not shown: the timer
    Painted,       // drawn by its container: lines, circles, labels, the chart
    Control,       // a control of the toolkit's own: buttons, box, options, group boxes
    PictureButton, // a painted picture that a click presses: the About picture
};

Role roleOf(Id id);

// The controls in the order Tab visits them: Play, the speeds from slow to
// fast as they stand left to right, the box and its button, and the About
// picture last. A front end whose picture takes no focus leaves it out and
// offers its command's key instead.
std::span<const Id> tabOrder();

// A group box's caption breaks its top border this many designed pixels from
// its left edge, with this much of the window's grey on either side of the
// text. Both grow with the zoom.
inline constexpr int kCaptionIndent = 8;
inline constexpr int kCaptionPadding = 2;

// A caption wider than its room in a language shrinks, down to this share of
// its designed size; the layout never changes for it.
inline constexpr double kSmallestCaptionScale = 0.8;

// Thin lines keep whole device pixels at any zoom: a pen this wide or less.
constexpr bool isThin(const ElementDef& def) { return def.penWidth <= 2; }

// A thin line along an axis is laid on whole device pixels, without
// antialiasing, so that it stays crisp rather than smeared over two
// half-lit columns.
constexpr bool isCrisp(const ElementDef& def, const ElementState& s)
{
    return isThin(def) && (s.x1 == s.x2 || s.y1 == s.y2);
}

// A line drawn more than one pixel wide ends round, as a wide pen draws it,
// unless it is laid crisp; a line of no length shows nothing at all.
constexpr bool hasRoundEnds(const ElementDef& def, const ElementState& s, double widthPixels)
{
    const bool zeroLength = s.x1 == s.x2 && s.y1 == s.y2;
    return widthPixels > 1 && !zeroLength && !isCrisp(def, s);
}

} // namespace vantrel
