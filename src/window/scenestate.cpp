// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/scenestate.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

SceneState::SceneState()
    : SceneState(Language{})
{
}

SceneState::SceneState(const Language& language)
{
    for (const ElementDef& def : elementTable()) {
        ElementState& s = items_[indexOf(def.id)];
        if (def.kind == Kind::Line) {
            s.x1 = static_cast<float>(def.geometry.a);
            s.y1 = static_cast<float>(def.geometry.b);
            s.x2 = static_cast<float>(def.geometry.c);
            s.y2 = static_cast<float>(def.geometry.d);
        }
        if (def.caption)
            s.caption = language.tr(def.caption);
    }
}

std::vector<Id> changedElements(const SceneState& before, const SceneState& after)
{
    std::vector<Id> changed;
    for (const ElementDef& def : elementTable()) {
        if (isPainted(def.kind) && before[def.id] != after[def.id])
            changed.push_back(def.id);
    }
    return changed;
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

} // namespace vantrel
