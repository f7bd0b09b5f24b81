// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one window: every designed element at its place, and the frame update
// that repaints only what a new angle changes.
#pragma once

#include "app/controls.h"
#include "app/formview.h"
#include "app/module1.h"
#include "desktop/picturecache.h"
#include "scene/frame.h"
#include "window/dirtyrects.h"
#include "window/scenestate.h"

#include <QWidget>

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vantrel {

// Shows the program's state: its controls as widgets, its scene painted.
class Form1 : public QWidget, public FormView {
    Q_OBJECT
public:
    Form1(const Module1& state, const Controls& controls, QWidget* parent = nullptr);

    // Redraws the scene for the current angle.
    void process() override;
    void controlsChanged() override;
    void frameSettled() override;
    void showAbout(const char* title, const char* text) override;

    QPushButton* cmdPlay() const;
    QPushButton* cmdAngle() const;
    QLineEdit* txtAngle() const;
    QRadioButton* optFast() const;
    QRadioButton* optMed() const;
    QRadioButton* optSlow() const;
    QTimer* Timer1() const { return timer_; }
    QWidget* widget(Id id) const { return widgets_[indexOf(id)]; }

    const SceneState& scene() const { return scene_; }
    // The frame on screen; none until process() has drawn one.
    const std::optional<Frame>& frame() const { return frames_.current(); }
    const Module1& state() const { return state_; }
    const Controls& controls() const { return controls_; }

    // Where a drawn element lies, in the window's logical pixels.
    QRectF elementRect(Id id) const;

    // Logical pixels per designed pixel: 1 shows the scene as designed.
    double zoom() const { return zoom_; }
    // Redraws the scene and places the controls at this zoom. A window that
    // is neither maximized nor full screen takes the designed size times it.
    void setZoom(double zoom);
    // Where the scene's top-left corner lies: the client area's, but centred
    // in full screen while the scene is smaller than the screen.
    QPoint sceneOrigin() const { return origin_; }

signals:
    void cmdAboutClicked();
    // The frame on screen has settled: a pause, or an angle set.
    void settled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void createControls();
    QWidget* createControl(const ElementDef& def, QWidget* parent);
    void placeControls();
    void placeScene();
    void invalidate(const ElementDef& def, const ElementState& state);
    void repaintInvalidated();
    QWidget* container(In in) const;
    bool overAbout(const QPointF& pos) const;

    const Module1& state_;
    const Controls& controls_;
    SceneState scene_;
    FrameUpdate frames_;
    PictureCache pictures_;
    std::array<QWidget*, kElementCount> widgets_{};
    QTimer* timer_ = nullptr;
    bool aboutPressed_ = false;
    DirtyRects invalidated_;
    double zoom_ = 1.0;
    QPoint origin_;
};

} // namespace vantrel
