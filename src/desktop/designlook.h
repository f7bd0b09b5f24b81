// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fonts, colours and units of the designed window, as Qt takes them.
#pragma once

#include "window/elements.h"
#include "window/palette.h"
#include "desktop/geometry.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRectF>

namespace vantrel {

// The designed family first, then Liberation Sans, which has Arial's metrics,
// so captions fit their rectangles as designed. Always bold, and as much
// larger as the zoom makes everything else.
QFont designFont(const FontDef& def, double zoom = 1.0);

// The font at its designed size if the caption fits its room on one line,
// else a smaller one that does, down to the smallest a caption may take.
QFont fittedFont(QFont font, const QString& caption, double room);

// The classic light grey scheme: black text, grey buttons, white text box;
// in high contrast, black on white with dark etched borders.
QPalette designPalette(Look look = Look::Designed);

QColor resolveColour(const Colour& colour, Look look = Look::Designed);

// An element's rectangle in logical pixels, relative to its container.
QRectF pixelRect(const Geometry& g, double zoom = 1.0);

inline QRectF toQRectF(const RectF& r) { return {r.left, r.top, r.width, r.height}; }
inline QRect toQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }
inline QSize toQSize(const Size& s) { return {s.width, s.height}; }
inline Size fromQSize(const QSize& s) { return {s.width(), s.height()}; }
inline RectF fromQRectF(const QRectF& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// The whole pixels a rectangle covers, each edge rounded on its own, so
// rectangles that meet keep meeting at any zoom.
inline QRect roundedRect(const QRectF& r) { return toQRect(roundedRect(fromQRectF(r))); }

} // namespace vantrel
