// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one window: every designed element at its place, showing what the
// session's calls change and repainting only where the scene changed.
#pragma once

#include "app/session.h"
#include "desktop/picturecache.h"
#include "desktop/dirtyrects.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QShortcut;
class QTimer;

namespace vantrel {

class LabPanel;

// Shows the session: its controls as widgets, its scene painted. Every
// control, key and tick goes to the session; what comes back is shown.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Session& session, QWidget* parent = nullptr);

    // A control pressed or its key: the session runs it, the window shows it.
    void run(Command c);
    // The ticker fired.
    void tick();
    // The lab panel's check boxes and buttons, and its amplitudes.
    void lab(LabId id);
    void setAmplitude(Phase phase, int percent);

    QPushButton* playButton() const;
    QPushButton* setAngleButton() const;
    QLineEdit* angleBox() const;
    QRadioButton* fastOption() const;
    QRadioButton* mediumOption() const;
    QRadioButton* slowOption() const;
    QTimer* ticker() const { return ticker_; }
    QWidget* widget(Id id) const { return widgets_[indexOf(id)]; }
    // None until the lab first opens.
    LabPanel* labPanel() const { return lab_; }

    const Session& session() const { return session_; }
    const SceneState& scene() const { return session_.scene(); }

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
    // The width the open lab takes beside the scene; 0 while it is closed.
    int labWidth() const;

    // The colours for a washed-out projector, or the designed ones: the
    // scene, the chart, the controls and the lab all repaint in them.
    bool highContrast() const { return pictures_.look() == Look::HighContrast; }
    void setHighContrast(bool on);

signals:
    // The frame on screen has settled: a pause, or an angle set.
    void settled();
    // The lab opened or closed: the room left for the scene changed.
    void labOpened(bool open);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showChange(const Change& change);
    void showControls();
    void showLab();
    void makeLab();
    void setLabOpen(bool open);
    // The window's size at the zoom: the scene's, and the lab's beside it.
    QSize windowSize() const;
    void placeLab();
    // Where the field's path is painted, in the window's pixels.
    Rect fieldPathRect() const;
    void showAbout(const AboutRequest& about);
    void bindCommands();
    void createControls();
    QWidget* createControl(const ElementDef& def, QWidget* parent);
    void placeControls();
    QFont captionFont(const ElementDef& def, QWidget& w) const;
    void placeScene();
    void invalidate(const ElementDef& def, const ElementState& state);
    void repaintInvalidated();
    QWidget* container(In in) const;
    bool overAbout(const QPointF& pos) const;

    Session& session_;
    PictureCache pictures_;
    std::array<QWidget*, kElementCount> widgets_{};
    QTimer* ticker_ = nullptr;
    bool aboutPressed_ = false;
    DirtyRects invalidated_;
    LabPanel* lab_ = nullptr;
    bool labOpen_ = false;
    // The lab's steps go to the session only while the lab is open; closed,
    // their keys stay with the focused control, as before there was a lab.
    QList<QShortcut*> stepKeys_;
    // The path on screen and where: what a new one must paint over.
    Rect pathRect_;
    double zoom_ = 1.0;
    QPoint origin_;
};

} // namespace vantrel
