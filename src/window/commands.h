// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every command of the window with its keys, in one place: the front ends
// bind these keys, the accessibility layer reports them and the README's
// key table lists them.
#pragma once

#include "window/elements.h"

#include <array>
#include <cstdint>
#include <span>

namespace vantrel {

enum class Command : std::uint8_t {
    PlayPause, Fast, Medium, Slow, SetAngle, About,
    ZoomIn, ZoomOut, ZoomReset, FullScreen, LeaveFullScreen,
    Lab, StepBack, StepForward, HighContrast,
};

// Where a command's keys work.
enum class KeyScope : std::uint8_t {
    None,       // the control itself, clicked or pressed with Space
    Window,     // from wherever the focus is in the window
    TextBox,    // while the angle box has the focus
    FullScreen, // only while the window is full screen
};

struct CommandDef {
    Command command;
    const char* name; // English; a front end shows it through Language::tr
    // The control that the command clicks; Id::count_ for the view's own
    // commands and the lab's, which no designed control stands for.
    Id control;
    KeyScope scope;
    // In portable form, "Ctrl++", "F11": the same text Qt's key sequences and
    // the page's key handler read. Unused places are null.
    std::array<const char*, 3> keys;
};

std::span<const CommandDef> commandTable();
const CommandDef& command(Command c);

} // namespace vantrel
