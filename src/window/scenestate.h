// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The run-time properties of the window's elements: what the frame update
// writes and the painting reads. Plain data, so the arithmetic that fills it
// can be checked without a window.
#pragma once

#include "window/elements.h"
#include "window/geometry.h"
#include "window/words.h"

#include <array>
#include <string>
#include <vector>

namespace vantrel {

struct ElementState {
    // Line end points in twips, held as 32-bit floats as the frame update expects.
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool visible = true;
    std::string caption; // UTF-8

    friend bool operator==(const ElementState&, const ElementState&) = default;
};

class SceneState {
public:
    // The designed state: every element visible, designed end points and
    // captions, in English or in the language given.
    SceneState();
    explicit SceneState(const Language& language);

    ElementState& operator[](Id id) { return items_[indexOf(id)]; }
    const ElementState& operator[](Id id) const { return items_[indexOf(id)]; }

    friend bool operator==(const SceneState&, const SceneState&) = default;

private:
    std::array<ElementState, kElementCount> items_;
};

// The drawn elements whose state differs between two scenes, in table order.
std::vector<Id> changedElements(const SceneState& before, const SceneState& after);

// How far paint reaches from a line's or outline's centre, in logical pixels.
double paintReach(const ElementDef& def, double zoom);

// The area an element covers, in logical pixels of its container at a zoom,
// with room for antialiased edges: what must be repainted when it moves or hides.
RectF repaintBounds(const ElementDef& def, const ElementState& state, double zoom);

} // namespace vantrel
