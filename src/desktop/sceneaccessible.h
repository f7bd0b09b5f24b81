// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the window. The controls are real widgets
// and speak for themselves; the scene, the angle read-out and the About
// picture are painted, so the window's accessible interface adds them as
// children of its own.
#pragma once

#include <QAccessibleWidget>

#include <array>

namespace vantrel {

class MainWindow;

// The painted parts that the window exposes, in reading order.
enum class ScenePart { Scene, ReadOut, About };

class SceneAccessible : public QAccessibleWidget {
public:
    explicit SceneAccessible(MainWindow* form);
    ~SceneAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* part(ScenePart which) const;

private:
    std::array<QAccessible::Id, 3> parts_{};
};

// Makes the window's own interface the one Qt hands out, names the controls
// whose caption does not say what they are, and tells a reader when the
// frame has settled. Called once the window's controls exist.
void setUpAccessibility(MainWindow& form);

// Tells assistive technology that the frame on screen has settled: after a
// pause or a Set Angle. Not called on ticks, which would flood a listener
// with a new sentence many times a second.
void announceFrame(MainWindow& form);

} // namespace vantrel
