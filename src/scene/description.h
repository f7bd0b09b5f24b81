// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a listener who cannot see the window needs to know of a frame, as
// numbers; the window puts them into words.
#pragma once

#include "scene/frame.h"

#include <array>
#include <optional>

namespace vantrel {

struct FrameFacts {
    long long degrees = 0; // the read-out's whole degrees
    // Each phase current in hundredths of its peak, positive where the
    // waveform chart's curve lies above its axis. R, Y, B.
    std::array<long, 3> currents{};
    // Where the field points on screen, in eighths of a turn counter-clockwise
    // from the right, each covering 45 degrees around its own; none when the
    // field is zero.
    std::optional<int> direction;
};

FrameFacts frameFacts(const Frame& frame);

} // namespace vantrel
