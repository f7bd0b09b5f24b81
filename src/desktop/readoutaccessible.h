// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The painted angle read-out as text that a reader can walk character by
// character, read-only, with no caret or selection.
#pragma once

#include "desktop/partaccessible.h"

namespace vantrel {

class ReadOutAccessible : public PartAccessible, public QAccessibleTextInterface {
public:
    explicit ReadOutAccessible(MainWindow* form);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    int characterCount() const override;
    QString text(int startOffset, int endOffset) const override;
    QString attributes(int, int* startOffset, int* endOffset) const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;

protected:
    QRectF localRect() const override;

private:
    QString readOut() const;
};

} // namespace vantrel
