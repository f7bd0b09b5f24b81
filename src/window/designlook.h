// Fonts, colours and units of the designed window.
#pragma once

#include "window/elements.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRectF>

namespace vantrel {

// The designed family first, then Liberation Sans, which has Arial's metrics,
// so captions fit their rectangles as designed. Always bold.
QFont designFont(const FontDef& def);

// The classic light grey scheme: black text, grey buttons, white text box.
QPalette designPalette();

QColor resolveColour(const Colour& colour, const QPalette& palette);

constexpr double toPixels(double twips) { return twips / kTwipsPerPixel; }

// An element's rectangle in logical pixels, relative to its container.
QRectF pixelRect(const Geometry& g);

} // namespace vantrel
