// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/optionrowkeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <algorithm>

namespace vantrel {

OptionRowKeys::OptionRowKeys(QList<QAbstractButton*> row, QObject* parent)
    : QObject(parent)
    , row_(std::move(row))
{
    for (QAbstractButton* option : row_)
        option->installEventFilter(this);
}

bool OptionRowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    default:
        return false;
    }
    const auto from = row_.indexOf(static_cast<QAbstractButton*>(watched));
    if (from < 0)
        return false;
    QAbstractButton* current = row_[from];
    QAbstractButton* next = row_[std::clamp<qsizetype>(from + step, 0, row_.size() - 1)];
    if (next != current) {
        // As Qt does: the choice moves with the focus only from a chosen option.
        if (current->isChecked())
            next->click();
        next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

} // namespace vantrel
