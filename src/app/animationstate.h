// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The two program-wide values of the animation.
#pragma once

#include <cstdint>

namespace vantrel {

struct AnimationState {
    // Hundredths of a radian, so a cycle is 628 ticks. The tick keeps it
    // within 0..628; Set Angle may store any 16-bit value, and the frame
    // arithmetic is exact for all of them.
    std::int16_t angle = 0;
    // Only Play/Pause writes it and only the tick reads it. Play's caption
    // is worked out from it, never the other way round.
    bool playing = false;

    friend bool operator==(const AnimationState&, const AnimationState&) = default;
};

} // namespace vantrel
