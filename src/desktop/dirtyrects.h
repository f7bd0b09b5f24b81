// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a frame update must repaint, gathered into a few rectangles.
#pragma once

#include "desktop/geometry.h"

#include <vector>

namespace vantrel {

// Each rectangle repainted costs the window system a request of its own,
// and a region of many small pieces costs the painting a pass for each
// piece, so rectangles that lie close are merged into one as long as that
// adds little area.
class DirtyRects {
public:
    void add(Rect rect);
    const std::vector<Rect>& rects() const { return rects_; }
    void clear() { rects_.clear(); }

private:
    std::vector<Rect> rects_;
};

} // namespace vantrel
