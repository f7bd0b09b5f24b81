// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The control properties that the session owns beside the animation state. A
// front end shows them, and tells the session what the user typed.
#pragma once

#include <string>

namespace vantrel {

struct Controls {
    // The ticker's period in milliseconds: the animation's speed.
    int tickMs = 0;
    // The angle box's text, UTF-8: degrees typed by the user, or written
    // back by Set Angle.
    std::string angleText;

    friend bool operator==(const Controls&, const Controls&) = default;
};

// Tick periods of the three speeds, in milliseconds.
inline constexpr int kFastMs = 20;
inline constexpr int kMediumMs = 75;
inline constexpr int kSlowMs = 300;

} // namespace vantrel
