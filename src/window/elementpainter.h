// Painting of the window's drawn elements: lines, circles, labels and images.
#pragma once

#include "window/scenestate.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QRegion>

class QPainter;
class QPalette;

namespace vantrel {

// The two pictures the scene paints, prepared once for the screen they go
// to: the chart is stretched only when the device pixel ratio changes.
class PictureCache {
public:
    PictureCache();

    // The chart stretched into its element at this ratio, and where it goes.
    const QPixmap& chart(qreal dpr, QPointF* topLeft);
    const QPixmap& about(qreal dpr);
    // A circle element drawn once at this ratio and colour, and where it
    // goes: copying it costs a frame far less than stroking its outline.
    const QPixmap& circle(const ElementDef& def, const QColor& colour, qreal dpr, QPointF* topLeft);

private:
    struct Sprite {
        QPixmap pixmap;
        QPointF topLeft;
        QColor colour;
    };
    std::array<Sprite, kElementCount> circles_;
    QImage chartImage_;
    QImage aboutImage_;
    QPixmap chartPixmap_;
    QPointF chartTopLeft_;
    QPixmap aboutPixmap_;
};

// The area an element covers, in logical pixels of its container, with room
// for antialiased edges: what must be repainted when it moves or hides.
QRectF repaintBounds(const ElementDef& def, const ElementState& state);

// Paints every visible drawn element of one container that meets the exposed
// region, the last row of the table first so that earlier rows lie on top.
void paintElements(QPainter& painter, In container, const SceneState& scene,
                   const QRegion& exposed, const QPalette& palette, PictureCache& pictures);

} // namespace vantrel
