// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/commands.h"

namespace vantrel {
namespace {

constexpr Id kView = Id::count_;

// Play/Pause and the speeds are controls of their own: Tab reaches them,
// Space presses them and the arrows move between the speeds, as on every
// desktop. The About picture takes no focus, so the help key stands in for it.
constexpr std::array<CommandDef, 11> kCommands{{
    {Command::PlayPause, "Play or pause", Id::cmdPlay, KeyScope::None, {}},
    {Command::Fast, "Fast", Id::optFast, KeyScope::None, {}},
    {Command::Medium, "Medium", Id::optMed, KeyScope::None, {}},
    {Command::Slow, "Slow", Id::optSlow, KeyScope::None, {}},
    {Command::SetAngle, "Set the angle typed in the box", Id::cmdAngle, KeyScope::TextBox, {"Return", "Enter"}},
    {Command::About, "Show the About box", Id::cmdAbout, KeyScope::Window, {"F1"}},
    {Command::ZoomIn, "Zoom in", kView, KeyScope::Window, {"Ctrl++", "Ctrl+=", "Ctrl+Shift++"}},
    {Command::ZoomOut, "Zoom out", kView, KeyScope::Window, {"Ctrl+-"}},
    {Command::ZoomReset, "Back to the designed size", kView, KeyScope::Window, {"Ctrl+0"}},
    {Command::FullScreen, "Full screen on and off", kView, KeyScope::Window, {"F11"}},
    {Command::LeaveFullScreen, "Leave full screen", kView, KeyScope::FullScreen, {"Esc"}},
}};

} // namespace

std::span<const CommandDef> commandTable() { return kCommands; }

const CommandDef& command(Command c) { return kCommands[static_cast<std::size_t>(c)]; }

} // namespace vantrel
