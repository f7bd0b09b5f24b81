// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/elementframe.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace vantrel {

namespace {
constexpr int kCaptionIndent = 8; // pixels from the frame's left edge
constexpr int kCaptionPadding = 4;

// A rectangle's outermost `width` pixels all round.
void fillBorder(QPainter& p, const QRect& r, int width, const QColor& colour)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
}
} // namespace

ElementFrame::ElementFrame(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
}

void ElementFrame::setZoom(double zoom)
{
    zoom_ = zoom;
    update();
}

// The classic etched frame with its caption breaking the top border. The
// style's own group box would shade the inside differently from the grey
// that the legend's labels are filled with.
void ElementFrame::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QFontMetrics metrics(font());
    const int line = std::max(1, qRound(zoom_));
    const QRect box = rect().adjusted(0, metrics.height() / 2, -line, -line);
    fillBorder(p, box, line, palette().color(QPalette::Dark));
    fillBorder(p, box.translated(line, line), line, palette().color(QPalette::Light));

    const QRect caption(qRound(kCaptionIndent * zoom_), 0,
                        metrics.horizontalAdvance(title()) + qRound(kCaptionPadding * zoom_), metrics.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(caption, Qt::AlignCenter, title());

    if (painter_)
        painter_(p, event->region());
}

} // namespace vantrel
