// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where some ink lies on a screenshot, for tests that compare the scene's
// geometry across renderings.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

#include <algorithm>
#include <climits>
#include <functional>

using Ink = std::function<bool(QColor)>;

// The box around the pixels that `ink` accepts within `area`, both in logical pixels.
inline QRectF inkExtent(const QImage& img, const QRectF& area, const Ink& ink)
{
    const qreal dpr = img.devicePixelRatio();
    const QRect device = QRectF(area.topLeft() * dpr, area.size() * dpr).toAlignedRect() & img.rect();
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            if (!ink(img.pixelColor(x, y)))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return QRectF(left / dpr, top / dpr, (right + 1 - left) / dpr, (bottom + 1 - top) / dpr);
}

// Half coverage or more: where an antialiased edge lies at any resolution.
inline bool red(QColor c) { return c.red() > 128 && c.green() < 128 && c.blue() < 128; }
inline bool black(QColor c) { return c.red() < 96 && c.green() < 96 && c.blue() < 96; }
inline bool white(QColor c) { return c.red() > 250 && c.green() > 250 && c.blue() > 250; }
