// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What every painted part of the window tells a screen reader. A part has
// no QObject of its own, so it reaches everything through the window, and
// goes invalid with it.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

namespace vantrel {

class MainWindow;

class PartAccessible : public QAccessibleInterface {
public:
    PartAccessible(MainWindow* form, QAccessible::Role role);

    bool isValid() const override { return !form_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return role_; }
    QRect rect() const override;
    QAccessible::State state() const override;

protected:
    // Where the part lies in the window's logical pixels.
    virtual QRectF localRect() const = 0;
    QRect toGlobal(const QRectF& local) const;
    MainWindow* form() const { return form_.data(); }

private:
    QPointer<MainWindow> form_;
    QAccessible::Role role_;
};

// The scene itself: its name, and the frame in words as its description.
class AnimationAccessible : public PartAccessible {
public:
    explicit AnimationAccessible(MainWindow* form);
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

protected:
    QRectF localRect() const override;
};

} // namespace vantrel
