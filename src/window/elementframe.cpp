#include "window/elementframe.h"

#include <QPaintEvent>
#include <QPainter>

namespace vantrel {

ElementFrame::ElementFrame(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
}

void ElementFrame::paintEvent(QPaintEvent* event)
{
    QGroupBox::paintEvent(event);
    if (painter_) {
        QPainter p(this);
        painter_(p, event->region());
    }
}

} // namespace vantrel
