// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fonts, colours and units of the designed window.
#pragma once

#include "window/elements.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRectF>

namespace vantrel {

// The designed family first, then Liberation Sans, which has Arial's metrics,
// so captions fit their rectangles as designed. Always bold, and as much
// larger as the zoom makes everything else.
QFont designFont(const FontDef& def, double zoom = 1.0);

// The classic light grey scheme: black text, grey buttons, white text box.
QPalette designPalette();

QColor resolveColour(const Colour& colour, const QPalette& palette);

// Twips to logical pixels: 15 twips a pixel at a zoom of 1, 10 at 1.5.
constexpr double toPixels(double twips, double zoom = 1.0) { return twips / kTwipsPerPixel * zoom; }

// An element's rectangle in logical pixels, relative to its container.
QRectF pixelRect(const Geometry& g, double zoom = 1.0);

// The whole pixels a rectangle covers, each edge rounded on its own, so
// rectangles that meet keep meeting at any zoom.
QRect roundedRect(const QRectF& r);

} // namespace vantrel
