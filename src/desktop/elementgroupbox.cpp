// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/elementgroupbox.h"

#include "window/presentation.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace vantrel {

namespace {

// A rectangle's outermost `width` pixels all round.
void fillBorder(QPainter& p, const QRect& r, int width, const QColor& colour)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    p.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
}
} // namespace

ElementGroupBox::ElementGroupBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
}

void ElementGroupBox::setZoom(double zoom)
{
    zoom_ = zoom;
    update();
}

// The classic etched border with its caption breaking the top edge. The
// style's own group box would shade the inside differently from the grey
// that the legend's labels are filled with.
void ElementGroupBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QFontMetrics metrics(font());
    const int line = std::max(1, qRound(zoom_));
    const QRect box = rect().adjusted(0, metrics.height() / 2, -line, -line);
    fillBorder(p, box, line, palette().color(QPalette::Dark));
    fillBorder(p, box.translated(line, line), line, palette().color(QPalette::Light));

    const QRect caption(qRound(kCaptionIndent * zoom_), 0,
                        metrics.horizontalAdvance(title()) + qRound(2 * kCaptionPadding * zoom_), metrics.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(caption, Qt::AlignCenter, title());

    if (painter_)
        painter_(p, event->region());
}

} // namespace vantrel
