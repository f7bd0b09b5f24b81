// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/commands.h"

#include "window/msg.h"

namespace vantrel {
namespace {

constexpr Id kView = Id::count_;

// Play/Pause and the speeds are controls of their own: Tab reaches them,
// Space presses them and the arrows move between the speeds, as on every
// desktop. The About picture takes no focus, so the help key stands in for it.
constexpr std::array<CommandDef, 15> kCommands{{
    // TRANSLATORS: a command as the list of keys and a screen reader name it.
    {Command::PlayPause, N_("Play or pause"), Id::playButton, KeyScope::None, {}},
    {Command::Fast, N_("Fast"), Id::fastOption, KeyScope::None, {}},
    {Command::Medium, N_("Medium"), Id::mediumOption, KeyScope::None, {}},
    {Command::Slow, N_("Slow"), Id::slowOption, KeyScope::None, {}},
    {Command::SetAngle, N_("Set the angle typed in the box"), Id::setAngleButton, KeyScope::TextBox, {"Return", "Enter"}},
    {Command::About, N_("Show the About box"), Id::aboutButton, KeyScope::Window, {"F1"}},
    {Command::ZoomIn, N_("Zoom in"), kView, KeyScope::Window, {"Ctrl++", "Ctrl+=", "Ctrl+Shift++"}},
    {Command::ZoomOut, N_("Zoom out"), kView, KeyScope::Window, {"Ctrl+-"}},
    {Command::ZoomReset, N_("Back to the designed size"), kView, KeyScope::Window, {"Ctrl+0"}},
    {Command::FullScreen, N_("Full screen on and off"), kView, KeyScope::Window, {"F11"}},
    {Command::LeaveFullScreen, N_("Leave full screen"), kView, KeyScope::FullScreen, {"Esc"}},
    // The lab's keys hold the Control key, so that no key of the designed
    // window changes its sense; a box keeps Ctrl+arrows for moving by words.
    {Command::Lab, N_("Open or close the lab"), kView, KeyScope::Window, {"Ctrl+L"}},
    {Command::StepBack, N_("One tick back"), kView, KeyScope::Window, {"Ctrl+Left"}},
    {Command::StepForward, N_("One tick forward"), kView, KeyScope::Window, {"Ctrl+Right"}},
    // Ctrl+H alone is the browsers' history; on the page a button switches it.
    {Command::HighContrast, N_("High contrast on and off"), kView, KeyScope::Window, {"Ctrl+Shift+H"}},
}};

} // namespace

std::span<const CommandDef> commandTable() { return kCommands; }

const CommandDef& command(Command c) { return kCommands[static_cast<std::size_t>(c)]; }

} // namespace vantrel
