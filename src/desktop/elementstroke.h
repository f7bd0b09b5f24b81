// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing one line, circle or label of the scene with QPainter.
#pragma once

#include "window/palette.h"
#include "window/scenestate.h"

#include <QColor>
#include <QPointF>
#include <QRect>

class QPainter;

namespace vantrel {

// Where a line's pixels go: its end points and width, with thin straight
// lines moved onto whole device pixels.
struct PlacedLine {
    QPointF a, b;
    double width;
    bool crisp;
    friend bool operator==(const PlacedLine&, const PlacedLine&) = default;
};

PlacedLine placeLine(const ElementDef& def, const ElementState& s, double zoom, qreal dpr);

// Antialiased, with round ends; a zero-length line draws nothing.
void strokeLine(QPainter& p, const ElementDef& def, const ElementState& s, const QColor& colour, double zoom);

// The outline is centred on the inscribed circle, so half its width lies
// outside the bounding square: a small circle with a wide pen is a disc.
void strokeCircle(QPainter& p, const ElementDef& def, const QColor& colour, double zoom);

// Whether a rectangle reaches a circle's outline, and not only its hole.
bool ringMeets(const ElementDef& def, const QRect& r, double zoom);

// The caption on its background, left-aligned from the top-left corner,
// broken at spaces where it is too wide and cut off at the edges.
void paintLabel(QPainter& p, const ElementDef& def, const ElementState& s, double zoom, Look look = Look::Designed);

} // namespace vantrel
