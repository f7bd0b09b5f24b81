// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/picturecache.h"

#include "desktop/designlook.h"
#include "desktop/elementstroke.h"
#include "desktop/qtpictures.h"
#include "window/icons.h"
#include "window/lab.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace vantrel {

PictureCache::PictureCache()
    : chartImage_(waveformChartImage())
    , aboutImage_(toImage(makeAboutImage(32)))
{
}

namespace {

// The device pixels a rectangle of logical pixels covers, edges rounded.
QRect devicePixels(const QRectF& r, qreal dpr)
{
    return roundedRect(QRectF(r.topLeft() * dpr, r.size() * dpr));
}

} // namespace

const QPixmap& PictureCache::chart(Scale scale, QPointF* topLeft)
{
    if (chartPixmap_.isNull() || chartScale_ != scale) {
        // Snap the element's rectangle to whole device pixels and stretch the
        // chart to exactly that, so painting is a plain copy on every frame.
        const qreal dpr = scale.dpr;
        const QRect device = devicePixels(pixelRect(element(Id::waveformChart).geometry, scale.zoom), dpr);
        chartPixmap_ = QPixmap::fromImage(chartImage_.scaled(device.size(), Qt::IgnoreAspectRatio,
                                                             Qt::SmoothTransformation));
        chartPixmap_.setDevicePixelRatio(dpr);
        chartTopLeft_ = QPointF(device.topLeft()) / dpr;
        chartScale_ = scale;
    }
    *topLeft = chartTopLeft_;
    return chartPixmap_;
}

const QPixmap& PictureCache::about(Scale scale, QPointF* topLeft)
{
    if (aboutPixmap_.isNull() || aboutScale_ != scale) {
        // Pixel art: whole multiples repeat pixels rather than blur them;
        // in between, pixels are repeated to the next whole multiple and only
        // that is smoothed down, which keeps the edges nearly as sharp.
        const qreal dpr = scale.dpr;
        const QRect device = devicePixels(pixelRect(element(Id::aboutButton).geometry, scale.zoom), dpr);
        const int side = device.width();
        const int whole = std::max(1, (side + aboutImage_.width() - 1) / aboutImage_.width());
        QImage art = aboutImage_.scaled(aboutImage_.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (art.width() != side)
            art = art.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        aboutPixmap_ = QPixmap::fromImage(art);
        aboutPixmap_.setDevicePixelRatio(dpr);
        aboutTopLeft_ = QPointF(device.topLeft()) / dpr;
        aboutScale_ = scale;
    }
    *topLeft = aboutTopLeft_;
    return aboutPixmap_;
}

namespace {

// The squares of an image that hold any ink, in logical pixels from `topLeft`.
std::vector<QRectF> inkSquares(const QImage& image, const QPointF& topLeft)
{
    constexpr int kSquare = 32; // device pixels
    const qreal dpr = image.devicePixelRatio();
    std::vector<QRectF> squares;
    for (int top = 0; top < image.height(); top += kSquare) {
        for (int left = 0; left < image.width(); left += kSquare) {
            const QRect square = QRect(left, top, kSquare, kSquare) & image.rect();
            bool inked = false;
            for (int y = square.top(); y <= square.bottom() && !inked; ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = square.left(); x <= square.right() && !inked; ++x)
                    inked = qAlpha(line[x]) != 0;
            }
            if (inked)
                squares.emplace_back(topLeft + QPointF(square.topLeft()) / dpr, QSizeF(square.size()) / dpr);
        }
    }
    return squares;
}

} // namespace

namespace {

// Strokes into a picture of whole device pixels around `bounds`, so the copy
// lands exactly where the stroke would have gone.
template <typename Draw>
void drawSprite(PictureCache::Sprite& sprite, const RectF& bounds, PictureCache::Scale scale, Draw draw)
{
    const qreal dpr = scale.dpr;
    const QRectF r = toQRectF(bounds);
    const QRect device(QPoint(int(std::floor(r.left() * dpr)), int(std::floor(r.top() * dpr))),
                       QPoint(int(std::ceil(r.right() * dpr)) - 1, int(std::ceil(r.bottom() * dpr)) - 1));
    QImage image(device.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(dpr);
    sprite.topLeft = QPointF(device.left() / dpr, device.top() / dpr);
    QPainter painter(&image);
    painter.translate(-sprite.topLeft);
    draw(painter);
    painter.end();
    sprite.ink = inkSquares(image, sprite.topLeft);
    sprite.pixmap = QPixmap::fromImage(std::move(image));
    sprite.scale = scale;
}

} // namespace

const PictureCache::Sprite& PictureCache::still(const ElementDef& def, const ElementState& state,
                                                const QColor& colour, Scale scale)
{
    Sprite& sprite = stills_[indexOf(def.id)];
    if (sprite.pixmap.isNull() || sprite.scale != scale || sprite.colour != colour) {
        drawSprite(sprite, repaintBounds(def, state, scale.zoom), scale, [&](QPainter& painter) {
            if (def.kind == Kind::Circle)
                strokeCircle(painter, def, colour, scale.zoom);
            else
                strokeLine(painter, def, state, colour, scale.zoom);
        });
        sprite.colour = colour;
    }
    return sprite;
}

// Stroked every frame, the path's hundreds of antialiased pieces would cost
// a tick more than the rest of the scene; copied, it costs a blit where the
// scene changed.
const PictureCache::Sprite& PictureCache::fieldPath(const std::vector<Point>& path, Scale scale)
{
    const QColor pathColour = QColor::fromRgb(lookRgb(kFieldPathRgb, look_).value_or(kFieldPathRgb));
    if (path_.pixmap.isNull() || path_.scale != scale || pathPoints_ != path || path_.colour != pathColour) {
        drawSprite(path_, fieldPathBounds(path, scale.zoom), scale, [&](QPainter& painter) {
            QPolygonF line;
            line.reserve(static_cast<qsizetype>(path.size()));
            for (Point p : path)
                line << QPointF(toPixels(p.x, scale.zoom), toPixels(p.y, scale.zoom));
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(pathColour, kFieldPathPen * scale.zoom));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolygon(line);
        });
        path_.colour = pathColour;
        pathPoints_ = path;
    }
    return path_;
}

bool PictureCache::setExperiment(const Experiment& experiment)
{
    if (experiment == experiment_)
        return false;
    experiment_ = experiment;
    chartImage_ = waveformChartImage(experiment, look_);
    chartPixmap_ = {};
    return true;
}

void PictureCache::setLook(Look look)
{
    if (look == look_)
        return;
    look_ = look;
    chartImage_ = waveformChartImage(experiment_, look_);
    chartPixmap_ = {};
}

} // namespace vantrel
