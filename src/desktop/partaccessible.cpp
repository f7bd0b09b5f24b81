// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/partaccessible.h"

#include "desktop/mainwindow.h"

#include <QWindow>

namespace vantrel {

PartAccessible::PartAccessible(MainWindow* form, QAccessible::Role role)
    : form_(form)
    , role_(role)
{
}

QWindow* PartAccessible::window() const { return form_ ? form_->window()->windowHandle() : nullptr; }

QAccessibleInterface* PartAccessible::parent() const { return QAccessible::queryAccessibleInterface(form_.data()); }

QRect PartAccessible::rect() const { return form_ ? toGlobal(localRect()) : QRect(); }

QAccessible::State PartAccessible::state() const
{
    QAccessible::State s;
    if (!form_ || !form_->isVisible())
        s.invisible = true;
    return s;
}

QRect PartAccessible::toGlobal(const QRectF& local) const
{
    const QRect r = local.toAlignedRect();
    return QRect(form_->mapToGlobal(r.topLeft()), r.size());
}

AnimationAccessible::AnimationAccessible(MainWindow* form)
    : PartAccessible(form, QAccessible::Animation)
{
}

QString AnimationAccessible::text(QAccessible::Text t) const
{
    if (!form())
        return {};
    if (t == QAccessible::Name)
        return QString::fromStdString(form()->session().language().tr(sceneName()));
    if (t == QAccessible::Description)
        return QString::fromStdString(form()->session().description());
    return {};
}

QAccessible::State AnimationAccessible::state() const
{
    QAccessible::State s = PartAccessible::state();
    if (form())
        s.animated = form()->session().state().playing;
    return s;
}

QRectF AnimationAccessible::localRect() const
{
    return form()->elementRect(Id::statorOuter).united(form()->elementRect(Id::waveformChart));
}

} // namespace vantrel
