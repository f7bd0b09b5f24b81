// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What every process that shows the window sets up first.
#pragma once

#include <functional>

class QWidget;

namespace vantrel {

// Call once, right after the QApplication exists.
void setUpApplication();

// Calls `then` once, from the event loop, after the first paint of `window`
// has reached the screen.
void afterFirstPaint(QWidget& window, std::function<void()> then);

// With VANTREL_QUIT_AFTER_FIRST_FRAME=1 in the environment, the program ends
// with status 0 once the window has painted itself: scripts check that it
// starts without having to close it.
void quitAfterFirstFrameIfAsked(QWidget& window);

} // namespace vantrel
