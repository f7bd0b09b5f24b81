// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The control properties that the handlers read and write. The program owns
// them; a front end shows them, and tells the program what the user typed.
#pragma once

#include <string>

namespace vantrel {

struct Controls {
    // "Play" while paused, "Pause" while running, in the user's language:
    // Play/Pause goes by it.
    std::string cmdPlayCaption;
    // Timer1's period in milliseconds: the animation's speed.
    int timerInterval = 0;
    // txtAngle's text, UTF-8: degrees typed by the user, or written back
    // by Set Angle.
    std::string txtAngleText;

    friend bool operator==(const Controls&, const Controls&) = default;
};

// Tick periods of the three speeds, in milliseconds.
inline constexpr int kFastMs = 20;
inline constexpr int kMediumMs = 75;
inline constexpr int kSlowMs = 300;

} // namespace vantrel
