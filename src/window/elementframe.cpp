#include "window/elementframe.h"

#include <QPaintEvent>
#include <QPainter>

namespace vantrel {

namespace {
constexpr int kCaptionIndent = 8; // pixels from the frame's left edge
}

ElementFrame::ElementFrame(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
}

// The classic etched frame with its caption breaking the top border. The
// style's own group box would shade the inside differently from the grey
// that the legend's labels are filled with.
void ElementFrame::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QFontMetrics metrics(font());
    const QRect box = rect().adjusted(0, metrics.height() / 2, -1, -1);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(box.adjusted(1, 1, 0, 0));

    const QRect caption(kCaptionIndent, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    p.fillRect(caption, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(caption, Qt::AlignCenter, title());

    if (painter_)
        painter_(p, event->region());
}

} // namespace vantrel
