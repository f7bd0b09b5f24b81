// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What every process that shows the window sets up first.
#pragma once

#include "window/words.h"

#include <functional>

#include <QStringList>

class QWidget;

namespace vantrel {

// Call once, right after the QApplication exists.
// The application's name, fonts, style and, for a right-to-left language,
// its direction: controls and dialogs follow it, the painted scene does not.
void setUpApplication(const Language& language = Language{});

// What the command line asks for. --help lists the options, in the
// language's words, and ends the program; an unknown option is reported the
// same way, with status 1.
struct CommandLine {
    bool highContrast = false;
};
CommandLine readCommandLine(const QStringList& arguments, const Language& language = Language{});

// Calls `then` once, from the event loop, after the first paint of `window`
// has reached the screen.
void afterFirstPaint(QWidget& window, std::function<void()> then);

// With VANTREL_QUIT_AFTER_FIRST_FRAME=1 in the environment, the program ends
// with status 0 once the window has painted itself: scripts check that it
// starts without having to close it.
void quitAfterFirstFrameIfAsked(QWidget& window);

} // namespace vantrel
