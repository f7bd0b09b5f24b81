// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/elementstroke.h"

#include "desktop/designlook.h"
#include "window/presentation.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace vantrel {
namespace {

double snapToDevice(double logical, double width, qreal dpr)
{
    // Centre a thin axis-aligned line so that its edges fall on device pixel
    // boundaries: crisp rather than smeared over two half-lit columns.
    const double device = logical * dpr;
    const long deviceWidth = std::lround(width * dpr);
    const double centre = deviceWidth % 2 ? std::floor(device) + 0.5 : std::round(device);
    return centre / dpr;
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

} // namespace

PlacedLine placeLine(const ElementDef& def, const ElementState& s, double zoom, qreal dpr)
{
    PlacedLine line{{toPixels(s.x1, zoom), toPixels(s.y1, zoom)}, {toPixels(s.x2, zoom), toPixels(s.y2, zoom)},
                    def.penWidth * zoom, false};
    QPointF& a = line.a;
    QPointF& b = line.b;
    line.crisp = isCrisp(def, s);
    // Thin lines keep whole device pixels at any zoom: a straight one would
    // smear over a half-lit column, a diagonal one would blur.
    if (isThin(def))
        line.width = static_cast<double>(std::max(1L, std::lround(line.width * dpr))) / dpr;
    if (line.crisp && s.x1 == s.x2) {
        a.rx() = b.rx() = snapToDevice(a.x(), line.width, dpr);
    } else if (line.crisp && s.y1 == s.y2) {
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
    if (hasRoundEnds(def, s, width)) {
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
    return nearest <= radius + paintReach(def, zoom) && farthest >= radius - paintReach(def, zoom);
}

void strokeCircle(QPainter& p, const ElementDef& def, const QColor& colour, double zoom)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, def.penWidth * zoom));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(pixelRect(def.geometry, zoom));
}

void paintLabel(QPainter& p, const ElementDef& def, const ElementState& s, double zoom, Look look)
{
    const QRectF r = pixelRect(def.geometry, zoom);
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.fillRect(r, resolveColour(def.background, look));
    p.setPen(resolveColour(def.colour, look));
    // Breaking a caption into lines lays it out twice over; one that surely
    // fits is drawn as the one line it would be anyway.
    const QString caption = QString::fromStdString(s.caption);
    const QFont& designed = labelFont(def, zoom);
    const bool fits = surelyFits(caption, QFontMetricsF(designed), r.width());
    // A translation too wide for the label takes a smaller size first.
    const QFont font = fits ? designed : fittedFont(designed, caption, r.width());
    p.setFont(font);
    const QFontMetricsF metrics(font);
    // The scene is never mirrored: only a right-to-left caption reads so,
    // from the right edge of its label. A caption of another script, or
    // shrunk to fit, keeps the designed baseline: a wrapped line would sit
    // lower by the taller font's ascent and lose its foot to the clip.
    const bool rightToLeft = caption.isRightToLeft();
    p.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const bool shrunk = font.pixelSize() != designed.pixelSize();
    const double advance = rightToLeft || shrunk ? metrics.horizontalAdvance(caption) : 0;
    if (fits && !rightToLeft)
        p.drawText(QPointF(r.left(), r.top() + metrics.ascent()), caption);
    else if ((rightToLeft || shrunk) && advance <= r.width())
        p.drawText(QPointF(rightToLeft ? r.right() - advance : r.left(), r.top() + metrics.ascent()), caption);
    else
        p.drawText(r, (rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextWordWrap, caption);
    p.restore();
}

} // namespace vantrel
