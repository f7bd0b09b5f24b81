// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/dirtyrects.h"

namespace vantrel {
namespace {

// Pixels a merge may add that neither rectangle covered: a 64-pixel square.
constexpr long long kSlack = 64 * 64;

bool worthMerging(const Rect& a, const Rect& b)
{
    return united(a, b).area() <= a.area() + b.area() - intersected(a, b).area() + kSlack;
}

} // namespace

void DirtyRects::add(Rect rect)
{
    if (rect.isEmpty())
        return;
    // A merged rectangle may now reach others: keep merging until none does.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = rects_.begin(); it != rects_.end(); ++it) {
            if (worthMerging(*it, rect)) {
                rect = united(rect, *it);
                rects_.erase(it);
                merged = true;
                break;
            }
        }
    }
    rects_.push_back(rect);
}

} // namespace vantrel
