#include "window/elementpainter.h"

#include "window/designlook.h"
#include "window/icons.h"
#include "window/waveformchart.h"

#include <QPainter>

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

void paintLine(QPainter& p, const ElementDef& def, const ElementState& s, const QPalette& palette)
{
    QPointF a(toPixels(s.x1), toPixels(s.y1));
    QPointF b(toPixels(s.x2), toPixels(s.y2));
    if (a == b)
        return; // a zero-length phasor shows nothing, as at a zero current
    const double width = def.penWidth;
    const bool vertical = a.x() == b.x();
    const bool horizontal = a.y() == b.y();
    const qreal dpr = p.device()->devicePixelRatio();
    const bool crisp = (vertical || horizontal) && width <= 2;
    if (crisp && vertical) {
        a.rx() = b.rx() = snapToDevice(a.x(), width, dpr);
    } else if (crisp && horizontal) {
        a.ry() = b.ry() = snapToDevice(a.y(), width, dpr);
    }
    p.setRenderHint(QPainter::Antialiasing, !crisp);
    QPen pen(resolveColour(def.colour, palette), width);
    pen.setCapStyle(width > 1 && !crisp ? Qt::RoundCap : Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(a, b);
}

// The outline is centred on the inscribed circle, so half its width lies
// outside the bounding square: a small circle with a wide pen is a disc.
void paintCircle(QPainter& p, const ElementDef& def, const QPalette& palette)
{
    const QRectF r = pixelRect(def.geometry);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(resolveColour(def.colour, palette), def.penWidth));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.center(), r.width() / 2, r.height() / 2);
}

void paintLabel(QPainter& p, const ElementDef& def, const ElementState& s, const QPalette& palette)
{
    const QRectF r = pixelRect(def.geometry);
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.fillRect(r, resolveColour(def.background, palette));
    p.setPen(resolveColour(def.colour, palette));
    p.setFont(designFont(def.font));
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, s.caption);
    p.restore();
}

void paintImage(QPainter& p, const ElementDef& def, PictureCache& pictures)
{
    const qreal dpr = p.device()->devicePixelRatio();
    if (def.picture == Picture::WaveformChart) {
        QPointF topLeft;
        const QPixmap& chart = pictures.chart(dpr, &topLeft);
        p.drawPixmap(topLeft, chart);
    } else if (def.picture == Picture::AboutIcon) {
        p.drawPixmap(pixelRect(def.geometry).topLeft(), pictures.about(dpr));
    }
}

void paintElement(QPainter& p, const ElementDef& def, const ElementState& s, const QPalette& palette,
                  PictureCache& pictures)
{
    switch (def.kind) {
    case Kind::Line:
        paintLine(p, def, s, palette);
        break;
    case Kind::Circle:
        paintCircle(p, def, palette);
        break;
    case Kind::Label:
        paintLabel(p, def, s, palette);
        break;
    case Kind::Image:
        paintImage(p, def, pictures);
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

const QPixmap& PictureCache::chart(qreal dpr, QPointF* topLeft)
{
    if (chartPixmap_.isNull() || chartPixmap_.devicePixelRatio() != dpr) {
        // Snap the element's rectangle to whole device pixels and stretch the
        // chart to exactly that, so painting is a plain copy on every frame.
        const QRectF r = pixelRect(element(Id::Image1).geometry);
        const QRect device(QPoint(qRound(r.left() * dpr), qRound(r.top() * dpr)),
                           QPoint(qRound(r.right() * dpr) - 1, qRound(r.bottom() * dpr) - 1));
        chartPixmap_ = QPixmap::fromImage(chartImage_.scaled(device.size(), Qt::IgnoreAspectRatio,
                                                             Qt::SmoothTransformation));
        chartPixmap_.setDevicePixelRatio(dpr);
        chartTopLeft_ = QPointF(device.left() / dpr, device.top() / dpr);
    }
    *topLeft = chartTopLeft_;
    return chartPixmap_;
}

const QPixmap& PictureCache::about(qreal dpr)
{
    if (aboutPixmap_.isNull() || aboutPixmap_.devicePixelRatio() != dpr) {
        // Pixel art: whole-number ratios repeat pixels rather than blur them.
        const int side = qRound(aboutImage_.width() * dpr);
        const bool whole = dpr == std::floor(dpr);
        aboutPixmap_ = QPixmap::fromImage(aboutImage_.scaled(
            side, side, Qt::IgnoreAspectRatio, whole ? Qt::FastTransformation : Qt::SmoothTransformation));
        aboutPixmap_.setDevicePixelRatio(dpr);
    }
    return aboutPixmap_;
}

QRectF repaintBounds(const ElementDef& def, const ElementState& s)
{
    switch (def.kind) {
    case Kind::Line: {
        const QRectF r = QRectF(QPointF(toPixels(s.x1), toPixels(s.y1)),
                                QPointF(toPixels(s.x2), toPixels(s.y2))).normalized();
        const double m = def.penWidth / 2.0 + kEdgeMargin;
        return r.adjusted(-m, -m, m, m);
    }
    case Kind::Circle: {
        const double m = def.penWidth / 2.0 + kEdgeMargin;
        return pixelRect(def.geometry).adjusted(-m, -m, m, m);
    }
    case Kind::Label:
    case Kind::Image:
        return pixelRect(def.geometry).adjusted(-1, -1, 1, 1);
    default:
        return {};
    }
}

void paintElements(QPainter& painter, In container, const SceneState& scene, const QRegion& exposed,
                   const QPalette& palette, PictureCache& pictures)
{
    const auto& table = elementTable();
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        const ElementDef& def = *it;
        const ElementState& s = scene[def.id];
        if (def.in != container || !isPainted(def.kind) || !s.visible)
            continue;
        if (!exposed.intersects(repaintBounds(def, s).toAlignedRect()))
            continue;
        paintElement(painter, def, s, palette, pictures);
    }
}

} // namespace vantrel
