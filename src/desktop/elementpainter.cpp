// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/elementpainter.h"

#include "desktop/designlook.h"
#include "window/icons.h"
#include "window/waveformchart.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace vantrel {
namespace {

// Antialiased edges spill up to a pixel beyond the geometric outline.
constexpr double kEdgeMargin = 2.0;

double snapToDevice(double logical, double width, qreal dpr)
{
    // Centre a thin axis-aligned line so that its edges fall on device pixel
    // boundaries: crisp rather than smeared over two half-lit columns.
    const double device = logical * dpr;
    const long deviceWidth = std::lround(width * dpr);
    const double centre = deviceWidth % 2 ? std::floor(device) + 0.5 : std::round(device);
    return centre / dpr;
}

// Where a line's pixels go: its end points and width, with thin straight
// lines moved onto whole device pixels.
struct PlacedLine {
    QPointF a, b;
    double width;
    bool crisp;
    friend bool operator==(const PlacedLine&, const PlacedLine&) = default;
};

PlacedLine placeLine(const ElementDef& def, const ElementState& s, double zoom, qreal dpr)
{
    PlacedLine line{{toPixels(s.x1, zoom), toPixels(s.y1, zoom)}, {toPixels(s.x2, zoom), toPixels(s.y2, zoom)},
                    def.penWidth * zoom, false};
    QPointF& a = line.a;
    QPointF& b = line.b;
    const bool vertical = a.x() == b.x();
    const bool horizontal = a.y() == b.y();
    line.crisp = (vertical || horizontal) && def.penWidth <= 2;
    // Thin lines keep whole device pixels at any zoom: a straight one would
    // smear over a half-lit column, a diagonal one would blur.
    if (def.penWidth <= 2)
        line.width = static_cast<double>(std::max(1L, std::lround(line.width * dpr))) / dpr;
    if (line.crisp && vertical) {
        a.rx() = b.rx() = snapToDevice(a.x(), line.width, dpr);
    } else if (line.crisp && horizontal) {
        a.ry() = b.ry() = snapToDevice(a.y(), line.width, dpr);
    }
    return line;
}

void strokeLine(QPainter& p, const ElementDef& def, const ElementState& s, const QColor& colour, double zoom)
{
    const auto [a, b, width, crisp] = placeLine(def, s, zoom, p.device()->devicePixelRatio());
    if (a == b)
        return; // a zero-length phasor shows nothing, as at a zero current
    p.setRenderHint(QPainter::Antialiasing, !crisp);
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(a, b);
    if (width > 1 && !crisp) {
        // Round ends, as a wide pen draws them, but as two discs: a stroke
        // with round caps costs the raster engine three times as much, and
        // the phasors are redrawn on every tick.
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(a, width / 2, width / 2);
        p.drawEllipse(b, width / 2, width / 2);
        p.setBrush(Qt::NoBrush);
    }
}

// How far paint reaches from a line's or outline's centre.
double reach(const ElementDef& def, double zoom) { return def.penWidth * zoom / 2.0 + kEdgeMargin; }

// A ring is painted only where a rectangle reaches its outline: the big
// stator circles need no copy for a repaint inside their hole.
bool ringMeets(const ElementDef& def, const QRect& r, double zoom)
{
    const QRectF square = pixelRect(def.geometry, zoom);
    const QPointF c = square.center();
    const double radius = square.width() / 2;
    const double nearX = std::clamp(c.x(), double(r.left()), double(r.right() + 1));
    const double nearY = std::clamp(c.y(), double(r.top()), double(r.bottom() + 1));
    const double farX = std::max(std::abs(c.x() - r.left()), std::abs(c.x() - (r.right() + 1)));
    const double farY = std::max(std::abs(c.y() - r.top()), std::abs(c.y() - (r.bottom() + 1)));
    const double nearest = std::hypot(c.x() - nearX, c.y() - nearY);
    const double farthest = std::hypot(farX, farY);
    return nearest <= radius + reach(def, zoom) && farthest >= radius - reach(def, zoom);
}

// The outline is centred on the inscribed circle, so half its width lies
// outside the bounding square: a small circle with a wide pen is a disc.
void strokeCircle(QPainter& p, const ElementDef& def, const QColor& colour, double zoom)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, def.penWidth * zoom));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(pixelRect(def.geometry, zoom));
}

// Building a font resolves its family every time; the read-out is painted on
// every tick. The fonts of the last zoom painted are kept.
const QFont& labelFont(const ElementDef& def, double zoom)
{
    static double fontsZoom = 0;
    static std::array<QFont, kElementCount> fonts;
    if (fontsZoom != zoom) {
        for (const ElementDef& d : elementTable()) {
            if (d.font.family)
                fonts[indexOf(d.id)] = designFont(d.font, zoom);
        }
        fontsZoom = zoom;
    }
    return fonts[indexOf(def.id)];
}

// The sum of the characters' own advances, with room to spare for a pair
// that the font sets wider apart.
bool surelyFits(const QString& caption, const QFontMetricsF& metrics, double width)
{
    double advance = 0;
    for (QChar c : caption) {
        if (!c.isPrint() || c.isSurrogate() || c.isMark())
            return false;
        advance += metrics.horizontalAdvance(c);
    }
    return advance + metrics.height() / 4 <= width;
}

void paintLabel(QPainter& p, const ElementDef& def, const ElementState& s, const QPalette& palette, double zoom)
{
    const QRectF r = pixelRect(def.geometry, zoom);
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.fillRect(r, resolveColour(def.background, palette));
    p.setPen(resolveColour(def.colour, palette));
    const QFont& font = labelFont(def, zoom);
    p.setFont(font);
    // Breaking a caption into lines lays it out twice over; one that surely
    // fits is drawn as the one line it would be anyway.
    const QFontMetricsF metrics(font);
    if (surelyFits(s.caption, metrics, r.width()))
        p.drawText(QPointF(r.left(), r.top() + metrics.ascent()), s.caption);
    else
        p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, s.caption);
    p.restore();
}

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
void paintStill(QPainter& p, const ElementDef& def, const ElementState& s, const QPalette& palette,
                PictureCache& pictures, const QRegion& exposed, double zoom)
{
    const QColor colour = resolveColour(def.colour, palette);
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

void paintElement(QPainter& p, const ElementDef& def, const ElementState& s, const QPalette& palette,
                  PictureCache& pictures, const QRegion& exposed, double zoom)
{
    switch (def.kind) {
    case Kind::Line:
        if (copiedWhole(def, s, zoom, p.device()->devicePixelRatio()))
            paintStill(p, def, s, palette, pictures, exposed, zoom);
        else
            strokeLine(p, def, s, resolveColour(def.colour, palette), zoom);
        break;
    case Kind::Circle:
        paintStill(p, def, s, palette, pictures, exposed, zoom);
        break;
    case Kind::Label:
        paintLabel(p, def, s, palette, zoom);
        break;
    case Kind::Image:
        paintImage(p, def, pictures, exposed, zoom);
        break;
    default:
        break;
    }
}

} // namespace

PictureCache::PictureCache()
    : chartImage_(makeWaveformChart())
    , aboutImage_(makeAboutImage(32))
{
}

// The device pixels a rectangle of logical pixels covers, edges rounded.
QRect devicePixels(const QRectF& r, qreal dpr)
{
    return roundedRect(QRectF(r.topLeft() * dpr, r.size() * dpr));
}

const QPixmap& PictureCache::chart(Scale scale, QPointF* topLeft)
{
    if (chartPixmap_.isNull() || chartScale_ != scale) {
        // Snap the element's rectangle to whole device pixels and stretch the
        // chart to exactly that, so painting is a plain copy on every frame.
        const qreal dpr = scale.dpr;
        const QRect device = devicePixels(pixelRect(element(Id::Image1).geometry, scale.zoom), dpr);
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
        const QRect device = devicePixels(pixelRect(element(Id::cmdAbout).geometry, scale.zoom), dpr);
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

const PictureCache::Sprite& PictureCache::still(const ElementDef& def, const ElementState& state,
                                                const QColor& colour, Scale scale)
{
    Sprite& sprite = stills_[indexOf(def.id)];
    if (sprite.pixmap.isNull() || sprite.scale != scale || sprite.colour != colour) {
        // Whole device pixels around the outline, so the copy lands exactly
        // where the stroke would have gone.
        const qreal dpr = scale.dpr;
        const QRectF r = repaintBounds(def, state, scale.zoom);
        const QRect device(QPoint(int(std::floor(r.left() * dpr)), int(std::floor(r.top() * dpr))),
                           QPoint(int(std::ceil(r.right() * dpr)) - 1, int(std::ceil(r.bottom() * dpr)) - 1));
        QImage image(device.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setDevicePixelRatio(dpr);
        sprite.topLeft = QPointF(device.left() / dpr, device.top() / dpr);
        QPainter painter(&image);
        painter.translate(-sprite.topLeft);
        if (def.kind == Kind::Circle)
            strokeCircle(painter, def, colour, scale.zoom);
        else
            strokeLine(painter, def, state, colour, scale.zoom);
        painter.end();
        sprite.ink = inkSquares(image, sprite.topLeft);
        sprite.pixmap = QPixmap::fromImage(std::move(image));
        sprite.colour = colour;
        sprite.scale = scale;
    }
    return sprite;
}

namespace {

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
    const double m = reach(def, zoom);
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
    if (!exposed.intersects(repaintBounds(def, s, zoom).toAlignedRect()))
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

QRectF repaintBounds(const ElementDef& def, const ElementState& s, double zoom)
{
    switch (def.kind) {
    case Kind::Line: {
        const QRectF r = QRectF(QPointF(toPixels(s.x1, zoom), toPixels(s.y1, zoom)),
                                QPointF(toPixels(s.x2, zoom), toPixels(s.y2, zoom))).normalized();
        const double m = reach(def, zoom);
        return r.adjusted(-m, -m, m, m);
    }
    case Kind::Circle: {
        const double m = reach(def, zoom);
        return pixelRect(def.geometry, zoom).adjusted(-m, -m, m, m);
    }
    case Kind::Label:
    case Kind::Image:
        return pixelRect(def.geometry, zoom).adjusted(-1, -1, 1, 1);
    default:
        return {};
    }
}

void paintElements(QPainter& painter, In container, const SceneState& scene, const QRegion& exposed,
                   const QPalette& palette, PictureCache& pictures, double zoom)
{
    const auto& table = elementTable();
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        const ElementDef& def = *it;
        const ElementState& s = scene[def.id];
        if (def.in != container || !isPainted(def.kind) || !s.visible)
            continue;
        if (meets(def, s, exposed, zoom))
            paintElement(painter, def, s, palette, pictures, exposed, zoom);
    }
}

} // namespace vantrel
