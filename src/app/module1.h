// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program-wide animation state.
#pragma once

#include <cstdint>

namespace vantrel {

struct Module1 {
    // Hundredths of a radian. The tick keeps it within 0..628; Set Angle may
    // store any 16-bit value.
    std::int16_t angle = 0;
    // 1 while the animation runs, 0 while it is paused.
    std::int16_t playing = 0;
};

} // namespace vantrel
