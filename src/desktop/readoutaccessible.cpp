// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/readoutaccessible.h"

#include "desktop/designlook.h"
#include "desktop/mainwindow.h"

#include <QFontMetricsF>

namespace vantrel {

ReadOutAccessible::ReadOutAccessible(MainWindow* form)
    : PartAccessible(form, QAccessible::StaticText)
{
}

QString ReadOutAccessible::readOut() const
{
    return form() ? QString::fromStdString(form()->scene()[Id::readOut].caption) : QString();
}

QString ReadOutAccessible::text(QAccessible::Text t) const
{
    if (!form())
        return {};
    // The label in front of it is painted too, so the read-out carries it:
    // "Phase Angle: 90 deg.".
    if (t == QAccessible::Name)
        return QString::fromStdString(readOutName(form()->session().language(), form()->scene()[Id::readOutLabel].caption,
                                                  form()->scene()[Id::readOut].caption));
    if (t == QAccessible::Value)
        return readOut();
    return {};
}

QAccessible::State ReadOutAccessible::state() const
{
    QAccessible::State s = PartAccessible::state();
    s.readOnly = true;
    return s;
}

void* ReadOutAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
}

int ReadOutAccessible::characterCount() const { return static_cast<int>(readOut().size()); }

QString ReadOutAccessible::text(int startOffset, int endOffset) const
{
    return readOut().mid(startOffset, endOffset - startOffset);
}

QString ReadOutAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

// The read-out is painted on one line from its element's top-left corner.
QRect ReadOutAccessible::characterRect(int offset) const
{
    const QString s = readOut();
    if (!form() || offset < 0 || offset >= s.size())
        return {};
    const QFontMetricsF metrics(designFont(element(Id::readOut).font, form()->zoom()));
    const QPointF origin = localRect().topLeft();
    const double left = metrics.horizontalAdvance(s.left(offset));
    const double right = metrics.horizontalAdvance(s.left(offset + 1));
    return toGlobal(QRectF(origin.x() + left, origin.y(), right - left, metrics.height()));
}

int ReadOutAccessible::offsetAtPoint(const QPoint& point) const
{
    for (int i = 0; i < characterCount(); ++i) {
        if (characterRect(i).contains(point))
            return i;
    }
    return -1;
}

QRectF ReadOutAccessible::localRect() const { return form()->elementRect(Id::readOut); }

} // namespace vantrel
