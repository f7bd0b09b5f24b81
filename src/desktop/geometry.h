// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rectangles and sizes in the window's pixels, the mapping from the
// designed twips to them, and the area each element paints.
#pragma once

#include "scene/frame.h"
#include "window/scenestate.h"

#include <vector>

namespace vantrel {

struct Size {
    int width = 0, height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Whole pixels: left and top included, width and height counted.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    int right() const { return left + width; }   // one past the last column
    int bottom() const { return top + height; }  // one past the last row
    long long area() const { return isEmpty() ? 0 : static_cast<long long>(width) * height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
Rect united(const Rect& a, const Rect& b);
// What both cover; empty where they do not meet.
Rect intersected(const Rect& a, const Rect& b);

// Fractional pixels, for what is drawn antialiased.
struct RectF {
    double left = 0, top = 0, width = 0, height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    RectF grown(double by) const { return {left - by, top - by, width + 2 * by, height + 2 * by}; }
    friend bool operator==(const RectF&, const RectF&) = default;
};

// The whole pixels a fractional rectangle touches.
Rect alignedRect(const RectF& r);

// Twips to logical pixels: 15 twips a pixel at a zoom of 1, 10 at 1.5.
constexpr double toPixels(double twips, double zoom = 1.0) { return twips / kTwipsPerPixel * zoom; }

// An element's rectangle in logical pixels, relative to its container.
RectF elementPixels(const Geometry& g, double zoom = 1.0);

// The whole pixels a rectangle covers, each edge rounded on its own, so
// rectangles that meet keep meeting at any zoom.
Rect roundedRect(const RectF& r);

// How far paint reaches from a line's or outline's centre, in logical pixels.
double paintReach(const ElementDef& def, double zoom);

// The area an element covers, in logical pixels of its container at a zoom,
// with room for antialiased edges: what must be repainted when it moves or hides.
RectF repaintBounds(const ElementDef& def, const ElementState& state, double zoom);

// The area the field's path covers: a closed line through points in twips,
// kFieldPathPen designed pixels wide.
RectF fieldPathBounds(const std::vector<Point>& path, double zoom);

} // namespace vantrel
