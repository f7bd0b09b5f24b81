// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The arrow keys in a row of option buttons, in the order the row is read.
#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;

namespace vantrel {

// Down and Right go to the next option of the row, Up and Left to the one
// before, and the ends go no further. Qt picks the next button by its
// position, which makes a taller option look as if it lay below the others.
// Installed on each option; it lives as long as its parent.
class OptionRowKeys : public QObject {
public:
    OptionRowKeys(QList<QAbstractButton*> row, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QAbstractButton*> row_;
};

} // namespace vantrel
