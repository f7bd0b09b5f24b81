// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keys and the wheel that zoom the window, and full screen.
#pragma once

#include "desktop/geometry.h"
#include "window/commands.h"

#include <QByteArray>
#include <QList>
#include <QObject>

class QShortcut;
class QSize;

namespace vantrel {

class MainWindow;

// Ctrl with Plus, Equals, Minus or 0, and Ctrl with the wheel, step the zoom
// from wherever the focus is in the window; F11 toggles full screen and
// Escape leaves it. In full screen the scene takes the largest zoom that
// fits the screen until the user zooms; leaving brings back the window's
// size, place and zoom from before.
class ViewControl : public QObject {
    Q_OBJECT
public:
    explicit ViewControl(MainWindow& form);

    void zoomIn();
    void zoomOut();
    void resetZoom();
    void toggleFullScreen();
    void leaveFullScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addKeys(Command command, void (ViewControl::*action)());
    void setLeaveKeysEnabled(bool enabled);
    void zoomTo(double zoom);
    // What a window of this size leaves for the scene beside the lab.
    Size sceneRoom(const QSize& window) const;

    MainWindow& form_;
    QList<QShortcut*> leaveKeys_;
    // Full screen fits the scene to the screen until a zoom key is pressed.
    bool fitting_ = false;
    // What leaving full screen brings back.
    double zoomBefore_ = 1.0;
    QByteArray geometryBefore_;
    int wheelDelta_ = 0;
};

} // namespace vantrel
