// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The painted About picture as the button it stands for.
#pragma once

#include "desktop/partaccessible.h"

namespace vantrel {

class AboutAccessible : public PartAccessible, public QAccessibleActionInterface {
public:
    explicit AboutAccessible(MainWindow* form);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString& name) const override;

protected:
    QRectF localRect() const override;
};

} // namespace vantrel
