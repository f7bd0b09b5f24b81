// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lab's experiments on the supply and the wiring: two leads swapped, a
// line open, a phase weaker or stronger. Untouched, an experiment is the
// designed lesson, and its currents are the designed ones to the last bit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vantrel {

enum Phase : std::size_t { R, Y, B };

enum class Sequence : std::uint8_t {
    RYB, // as designed: Y lags R, B leads it
    RBY, // two leads swapped: the field turns the other way
};

struct Experiment {
    Sequence sequence = Sequence::RYB;
    // Each phase's line, R, Y, B: connected, or open.
    std::array<bool, 3> connected{true, true, true};
    // A star with its neutral: a phase whose line is open carries nothing and
    // the others keep their own currents. Without it (three wires), the two
    // phases left are in series across their line voltage.
    bool neutral = true;
    // Each phase's amplitude in percent of the designed one.
    std::array<int, 3> amplitude{100, 100, 100};

    friend bool operator==(const Experiment&, const Experiment&) = default;
};

inline constexpr int kLargestAmplitude = 150;
inline constexpr int kAmplitudeStep = 5;

// The three phase currents, R, Y, B, in twips of phasor length (2000 a
// designed phase's peak). The designed experiment gives phaseValue's whole
// numbers exactly; a phase pair in series across a line carries a half sum.
std::array<double, 3> phaseCurrents(std::int16_t angle, const Experiment& e);

} // namespace vantrel
