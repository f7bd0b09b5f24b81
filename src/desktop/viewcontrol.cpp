// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/viewcontrol.h"

#include "desktop/form1.h"
#include "window/zoomsteps.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QWheelEvent>

namespace vantrel {

ViewControl::ViewControl(Form1& form)
    : QObject(&form)
    , form_(form)
{
    setObjectName(QStringLiteral("ViewControl"));
    // Window-wide shortcuts: the angle box lets Ctrl with these keys pass.
    // Qt also matches them when they come from the keypad.
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)},
            &ViewControl::zoomIn);
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &ViewControl::zoomOut);
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_0)}, &ViewControl::resetZoom);
    addKeys({QKeySequence(Qt::Key_F11)}, &ViewControl::toggleFullScreen);
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &form, this, &ViewControl::leaveFullScreen,
                            Qt::WindowShortcut);
    escape_->setEnabled(false); // only full screen has something to leave
    // Over any control too, even one that would take the wheel for itself.
    qApp->installEventFilter(this);
}

void ViewControl::addKeys(std::initializer_list<QKeySequence> keys, void (ViewControl::*action)())
{
    for (const QKeySequence& key : keys)
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
    escape_->setEnabled(true);
    form_.showFullScreen();
    // The window system may take a while to resize the window; the screen
    // says now what it will be.
    form_.setZoom(zoomToFit(form_.screen()->geometry().size()));
}

void ViewControl::leaveFullScreen()
{
    if (!form_.isFullScreen())
        return;
    fitting_ = false;
    escape_->setEnabled(false);
    form_.setWindowState(form_.windowState() & ~Qt::WindowFullScreen);
    form_.setZoom(zoomBefore_);
    form_.restoreGeometry(geometryBefore_);
}

bool ViewControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == &form_ && fitting_ && form_.isFullScreen()) {
        form_.setZoom(zoomToFit(form_.size()));
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
