// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/geometry.h"

#include "window/lab.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

Rect united(const Rect& a, const Rect& b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

Rect intersected(const Rect& a, const Rect& b)
{
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.right(), b.right());
    const int bottom = std::min(a.bottom(), b.bottom());
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

Rect alignedRect(const RectF& r)
{
    const int left = static_cast<int>(std::floor(r.left));
    const int top = static_cast<int>(std::floor(r.top));
    const int right = static_cast<int>(std::ceil(r.right()));
    const int bottom = static_cast<int>(std::ceil(r.bottom()));
    return {left, top, right - left, bottom - top};
}

RectF elementPixels(const Geometry& g, double zoom)
{
    return {toPixels(g.a, zoom), toPixels(g.b, zoom), toPixels(g.c, zoom), toPixels(g.d, zoom)};
}

// Halves round away from zero, as the toolkits round coordinates.
static int roundHalfAway(double v) { return static_cast<int>(std::lround(v)); }

Rect roundedRect(const RectF& r)
{
    const int left = roundHalfAway(r.left);
    const int top = roundHalfAway(r.top);
    return {left, top, roundHalfAway(r.right()) - left, roundHalfAway(r.bottom()) - top};
}

namespace {
// Antialiased edges spill up to a pixel beyond the geometric outline.
constexpr double kEdgeMargin = 2.0;
} // namespace

double paintReach(const ElementDef& def, double zoom) { return def.penWidth * zoom / 2.0 + kEdgeMargin; }

RectF repaintBounds(const ElementDef& def, const ElementState& s, double zoom)
{
    switch (def.kind) {
    case Kind::Line: {
        const double x1 = toPixels(s.x1, zoom), y1 = toPixels(s.y1, zoom);
        const double x2 = toPixels(s.x2, zoom), y2 = toPixels(s.y2, zoom);
        const RectF r{std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)};
        return r.grown(paintReach(def, zoom));
    }
    case Kind::Circle:
        return elementPixels(def.geometry, zoom).grown(paintReach(def, zoom));
    case Kind::Label:
    case Kind::Image:
        return elementPixels(def.geometry, zoom).grown(1);
    default:
        return {};
    }
}

RectF fieldPathBounds(const std::vector<Point>& path, double zoom)
{
    if (path.empty())
        return {};
    const auto [left, right] =
        std::minmax_element(path.begin(), path.end(), [](Point a, Point b) { return a.x < b.x; });
    const auto [top, bottom] =
        std::minmax_element(path.begin(), path.end(), [](Point a, Point b) { return a.y < b.y; });
    const double x = toPixels(left->x, zoom), y = toPixels(top->y, zoom);
    const RectF r{x, y, toPixels(right->x, zoom) - x, toPixels(bottom->y, zoom) - y};
    return r.grown(kFieldPathPen * zoom / 2.0 + kEdgeMargin);
}

} // namespace vantrel
