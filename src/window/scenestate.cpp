// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/scenestate.h"


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
        s.caption = captionOf(language, def);
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

} // namespace vantrel
