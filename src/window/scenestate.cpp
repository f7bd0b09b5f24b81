// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/scenestate.h"

namespace vantrel {

SceneState::SceneState()
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
            s.caption = QString::fromLatin1(def.caption);
    }
}

} // namespace vantrel
