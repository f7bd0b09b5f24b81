// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting of the window's drawn elements: lines, circles, labels and images.
#pragma once

#include "window/scenestate.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QRegion>

#include <vector>

class QPainter;
class QPalette;

namespace vantrel {

// The pictures the scene paints, prepared once for the screen they go to
// and the zoom: the chart is stretched only when either changes.
class PictureCache {
public:
    // The screen's device-pixel ratio and the window's zoom.
    struct Scale {
        qreal dpr = 0;
        double zoom = 0;
        friend bool operator==(const Scale&, const Scale&) = default;
    };

    PictureCache();

    // The chart stretched into its element, and where it goes.
    const QPixmap& chart(Scale scale, QPointF* topLeft);
    // The About picture at its natural size times the zoom, and where it goes.
    const QPixmap& about(Scale scale, QPointF* topLeft);
    // A circle, or a line at its designed place (the picture does not follow
    // the line), drawn once at this scale and colour: copying it costs a
    // frame far less than stroking it.
    struct Sprite {
        QPixmap pixmap;
        QPointF topLeft; // where it goes
        // The squares of it that hold any ink, in logical pixels: a ring is
        // mostly hole, and copying the hole would blend nothing but costs.
        std::vector<QRectF> ink;
        QColor colour;
        Scale scale;
    };
    const Sprite& still(const ElementDef& def, const ElementState& state, const QColor& colour, Scale scale);

private:
    std::array<Sprite, kElementCount> stills_;
    QImage chartImage_;
    QImage aboutImage_;
    QPixmap chartPixmap_;
    QPointF chartTopLeft_;
    Scale chartScale_;
    QPixmap aboutPixmap_;
    QPointF aboutTopLeft_;
    Scale aboutScale_;
};

// Whether two states of an element put the same pixels on screen: the time
// cursor moves by half a pixel a tick, but is drawn on whole pixels.
bool paintsAlike(const ElementDef& def, const ElementState& a, const ElementState& b, double zoom, qreal dpr);

// The area an element covers, in logical pixels of its container at a zoom,
// with room for antialiased edges: what must be repainted when it moves or hides.
QRectF repaintBounds(const ElementDef& def, const ElementState& state, double zoom);

// Paints every visible drawn element of one container that meets the exposed
// region, the last row of the table first so that earlier rows lie on top.
void paintElements(QPainter& painter, In container, const SceneState& scene, const QRegion& exposed,
                   const QPalette& palette, PictureCache& pictures, double zoom);

} // namespace vantrel
