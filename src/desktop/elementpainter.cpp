// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/elementpainter.h"

#include "desktop/designlook.h"
#include "desktop/elementstroke.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

// Copies only the exposed parts of a picture, one rectangle at a time: with
// a plain rectangle as the clip the raster engine copies just that part,
// while a clip of many pieces makes it blend the whole picture span by span.
// Where only some squares of the picture hold ink, only the part of each
// rectangle that holds ink is copied, in one piece.
void blitExposed(QPainter& p, const QPixmap& picture, const QPointF& topLeft, const QRegion& exposed,
                 const std::vector<QRectF>* ink = nullptr)
{
    const QRectF whole(topLeft, picture.deviceIndependentSize());
    for (const QRect& r : exposed) {
        QRectF part = whole & QRectF(r);
        if (part.isEmpty())
            continue;
        if (ink) {
            QRectF inked;
            for (const QRectF& square : *ink)
                inked |= part & square;
            part = inked;
            if (part.isEmpty())
                continue;
        }
        p.save();
        p.setClipRect(part, Qt::IntersectClip);
        p.drawPixmap(topLeft, picture);
        p.restore();
    }
}

// Whether a line is copied from a picture rather than stroked: a diagonal
// hairline at its designed place, that is an axis, which never moves.
// Clipped to a region of several rectangles, a long antialiased diagonal
// costs the raster engine more than anything else in a tick; and at 125 %
// and more, where it is two device pixels wide, the engine cuts it where the
// clip's bounds cross it, a few levels off what a full repaint draws. Wider
// lines stay stroked, since in a picture the disc on a wide line's end would
// be blended over the line rather than on the screen, a level off at 100 %;
// so does a straight hairline, filled in whole pixels at less than a copy.
bool copiedWhole(const ElementDef& def, const ElementState& s, double zoom, qreal dpr)
{
    const Geometry& g = def.geometry;
    const bool designedPlace = s.x1 == g.a && s.y1 == g.b && s.x2 == g.c && s.y2 == g.d;
    return designedPlace && def.penWidth <= 1 && !placeLine(def, s, zoom, dpr).crisp;
}

// Circles and lines that never move are stroked once into a picture and
// copied: a long antialiased diagonal clipped to a region of many pieces
// costs the raster engine far more than copying the pieces it crosses.
void paintStill(QPainter& p, const ElementDef& def, const ElementState& s, PictureCache& pictures,
                const QRegion& exposed, double zoom)
{
    const QColor colour = resolveColour(def.colour, pictures.look());
    const PictureCache::Sprite& still = pictures.still(def, s, colour, {p.device()->devicePixelRatio(), zoom});
    blitExposed(p, still.pixmap, still.topLeft, exposed, &still.ink);
}

void paintImage(QPainter& p, const ElementDef& def, PictureCache& pictures, const QRegion& exposed, double zoom)
{
    const PictureCache::Scale scale{p.device()->devicePixelRatio(), zoom};
    QPointF topLeft;
    if (def.picture == Picture::WaveformChart) {
        const QPixmap& chart = pictures.chart(scale, &topLeft);
        blitExposed(p, chart, topLeft, exposed);
    } else if (def.picture == Picture::AboutIcon) {
        const QPixmap& about = pictures.about(scale, &topLeft);
        p.drawPixmap(topLeft, about);
    }
}

void paintElement(QPainter& p, const ElementDef& def, const ElementState& s, PictureCache& pictures,
                  const QRegion& exposed, double zoom)
{
    switch (def.kind) {
    case Kind::Line:
        if (copiedWhole(def, s, zoom, p.device()->devicePixelRatio()))
            paintStill(p, def, s, pictures, exposed, zoom);
        else
            strokeLine(p, def, s, resolveColour(def.colour, pictures.look()), zoom);
        break;
    case Kind::Circle:
        paintStill(p, def, s, pictures, exposed, zoom);
        break;
    case Kind::Label:
        paintLabel(p, def, s, zoom, pictures.look());
        break;
    case Kind::Image:
        paintImage(p, def, pictures, exposed, zoom);
        break;
    default:
        break;
    }
}

// A long diagonal line covers a sliver of its bounding box: it is painted
// only where the boxes of its short pieces meet the exposed region.
template <typename Visit>
bool anyPiece(const ElementDef& def, const ElementState& s, double zoom, Visit visit)
{
    const QPointF a(toPixels(s.x1, zoom), toPixels(s.y1, zoom));
    const QPointF b(toPixels(s.x2, zoom), toPixels(s.y2, zoom));
    constexpr double kPiece = 24.0; // pixels
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const int pieces = std::max(1, static_cast<int>(std::ceil(length / kPiece)));
    const double m = paintReach(def, zoom);
    for (int i = 0; i < pieces; ++i) {
        const QPointF from = a + (b - a) * (double(i) / pieces);
        const QPointF to = a + (b - a) * (double(i + 1) / pieces);
        if (visit(QRectF(from, to).normalized().adjusted(-m, -m, m, m).toAlignedRect()))
            return true;
    }
    return false;
}

bool meets(const ElementDef& def, const ElementState& s, const QRegion& exposed, double zoom)
{
    if (!exposed.intersects(toQRect(alignedRect(repaintBounds(def, s, zoom)))))
        return false;
    if (def.kind == Kind::Line)
        return anyPiece(def, s, zoom, [&](const QRect& piece) { return exposed.intersects(piece); });
    if (def.kind == Kind::Circle) {
        for (const QRect& r : exposed) {
            if (ringMeets(def, r, zoom))
                return true;
        }
        return false;
    }
    return true;
}

} // namespace

bool paintsAlike(const ElementDef& def, const ElementState& a, const ElementState& b, double zoom, qreal dpr)
{
    if (a == b)
        return true;
    if (def.kind != Kind::Line || a.visible != b.visible)
        return false;
    const PlacedLine one = placeLine(def, a, zoom, dpr);
    return one.crisp && one == placeLine(def, b, zoom, dpr);
}

void paintElements(QPainter& painter, In container, const SceneState& scene, const QRegion& exposed,
                   PictureCache& pictures, double zoom)
{
    const auto& table = elementTable();
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        const ElementDef& def = *it;
        const ElementState& s = scene[def.id];
        if (def.in != container || !isPainted(def.kind) || !s.visible)
            continue;
        if (meets(def, s, exposed, zoom))
            paintElement(painter, def, s, pictures, exposed, zoom);
    }
}

void paintFieldPath(QPainter& painter, const std::vector<Point>& path, const QRegion& exposed, PictureCache& pictures,
                    double zoom)
{
    const PictureCache::Sprite& sprite = pictures.fieldPath(path, {painter.device()->devicePixelRatio(), zoom});
    blitExposed(painter, sprite.pixmap, sprite.topLeft, exposed, &sprite.ink);
}

} // namespace vantrel
