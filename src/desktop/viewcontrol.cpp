// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/viewcontrol.h"

#include "desktop/commandkeys.h"
#include "desktop/designlook.h"
#include "desktop/mainwindow.h"
#include "desktop/zoomsteps.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QWheelEvent>

namespace vantrel {

ViewControl::ViewControl(MainWindow& form)
    : QObject(&form)
    , form_(form)
{
    setObjectName(QStringLiteral("ViewControl"));
    // Window-wide shortcuts: the angle box lets Ctrl with these keys pass.
    // Qt also matches them when they come from the keypad.
    addKeys(Command::ZoomIn, &ViewControl::zoomIn);
    addKeys(Command::ZoomOut, &ViewControl::zoomOut);
    addKeys(Command::ZoomReset, &ViewControl::resetZoom);
    addKeys(Command::FullScreen, &ViewControl::toggleFullScreen);
    // Only full screen has something to leave; elsewhere Escape stays the
    // focused control's.
    for (const QKeySequence& key : keysOf(Command::LeaveFullScreen)) {
        auto* leave = new QShortcut(key, &form, this, &ViewControl::leaveFullScreen, Qt::WindowShortcut);
        leave->setEnabled(false);
        leaveKeys_.append(leave);
    }
    // Over any control too, even one that would take the wheel for itself.
    qApp->installEventFilter(this);
    // The lab takes its room beside the scene from what full screen fits.
    connect(&form_, &MainWindow::labOpened, this, [this] {
        if (fitting_ && form_.isFullScreen())
            form_.setZoom(zoomToFit(sceneRoom(form_.size())));
    });
}

Size ViewControl::sceneRoom(const QSize& window) const
{
    return fromQSize(window - QSize(form_.labWidth(), 0));
}

void ViewControl::addKeys(Command command, void (ViewControl::*action)())
{
    for (const QKeySequence& key : keysOf(command))
        new QShortcut(key, &form_, this, action, Qt::WindowShortcut);
}

void ViewControl::zoomTo(double zoom)
{
    fitting_ = false;
    form_.setZoom(zoom);
}

void ViewControl::zoomIn() { zoomTo(zoomStepIn(form_.zoom())); }
void ViewControl::zoomOut() { zoomTo(zoomStepOut(form_.zoom())); }
void ViewControl::resetZoom() { zoomTo(1.0); }

void ViewControl::toggleFullScreen()
{
    if (form_.isFullScreen()) {
        leaveFullScreen();
        return;
    }
    zoomBefore_ = form_.zoom();
    geometryBefore_ = form_.saveGeometry();
    fitting_ = true;
    setLeaveKeysEnabled(true);
    form_.showFullScreen();
    // The window system may take a while to resize the window; the screen
    // says now what it will be.
    form_.setZoom(zoomToFit(sceneRoom(form_.screen()->geometry().size())));
}

void ViewControl::leaveFullScreen()
{
    if (!form_.isFullScreen())
        return;
    fitting_ = false;
    setLeaveKeysEnabled(false);
    form_.setWindowState(form_.windowState() & ~Qt::WindowFullScreen);
    form_.setZoom(zoomBefore_);
    form_.restoreGeometry(geometryBefore_);
}

void ViewControl::setLeaveKeysEnabled(bool enabled)
{
    for (QShortcut* key : leaveKeys_)
        key->setEnabled(enabled);
}

bool ViewControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == &form_ && fitting_ && form_.isFullScreen()) {
        form_.setZoom(zoomToFit(sceneRoom(form_.size())));
    } else if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!(wheel->modifiers() & Qt::ControlModifier) || !widget || widget->window() != &form_)
            return false;
        // One step a notch; touchpads send a notch in smaller pieces.
        wheelDelta_ += wheel->angleDelta().y();
        for (; wheelDelta_ >= QWheelEvent::DefaultDeltasPerStep; wheelDelta_ -= QWheelEvent::DefaultDeltasPerStep)
            zoomIn();
        for (; wheelDelta_ <= -QWheelEvent::DefaultDeltasPerStep; wheelDelta_ += QWheelEvent::DefaultDeltasPerStep)
            zoomOut();
        return true;
    }
    return false;
}

} // namespace vantrel
