// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame update's arithmetic: everything a frame shows follows from the
// angle, and from the marks before it where a current lies on a threshold.
#pragma once

#include "scene/experiment.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vantrel {

// Centre of the phasor diagram, in twips.
inline constexpr double kPhasorCentre = 4500.0;

// The time cursor stands at kCursorOrigin twips at angle 0 and moves
// kCursorStep twips per hundredth of a radian.
inline constexpr int kCursorOrigin = 9340;
inline constexpr int kCursorStep = 8;

// Offset of the Y and B phase arguments from R, in hundredths of a radian.
inline constexpr int kPhaseOffset = 209;

// A designed phase current's peak, in twips of phasor length.
inline constexpr double kPeakTwips = 2000.0;


// A line's end point in twips, held as 32-bit floats as the lines hold them.
struct Point {
    float x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The six marks of one phase. `cross` shows the first conductor's cross and
// the second's dot, `dot` the opposite; the designed scene shows both.
struct Marks {
    bool cross = false;
    bool dot = false;
    friend bool operator==(const Marks&, const Marks&) = default;
};

struct PhaseFrame {
    double value = 0; // the phase current in twips of phasor length
    Marks marks;
    bool kept = false; // the value lies exactly on a threshold: marks as before
    Point end;         // the phasor's end point; it starts at the centre
};

struct Frame {
    std::int16_t angle = 0;
    long long degrees = 0;    // the read-out's whole degrees, floored
    std::int32_t cursor = 0;  // the time cursor's x
    std::array<PhaseFrame, 3> phases; // R, Y, B
    Point resultant;          // the field vector's end point, from the centre

    std::array<Marks, 3> marks() const { return {phases[R].marks, phases[Y].marks, phases[B].marks}; }
};

// A phase current in twips of phasor length at `percent` of the designed
// amplitude: -floor(20 percent sin(argument / 100)). At 100 % always a whole
// number from -2000 to 2000.
double phaseValue(int argument, int percent = 100);

// The time cursor's x in twips. Wider than 16 bits on purpose: an angle that
// Set Angle stores far outside the cycle puts the cursor off the chart
// instead of leaving a half-drawn frame.
std::int32_t cursorX(std::int16_t angle);

// The frame for `angle`, drawn over a frame whose marks were `before`.
Frame frameAt(std::int16_t angle, const std::array<Marks, 3>& before);
// The same in one of the lab's experiments.
Frame frameAt(std::int16_t angle, const std::array<Marks, 3>& before, const Experiment& experiment);

// The field's size: the resultant's length in multiples of one designed
// phase's peak, 1.5 for a balanced supply.
double fieldSize(const Frame& frame);

// The designed scene shows every mark, so a current on a threshold in the
// first frame leaves them all shown.
inline constexpr std::array<Marks, 3> kDesignedMarks{Marks{true, true}, Marks{true, true}, Marks{true, true}};

// The frames drawn one after the other: a current on a threshold keeps the
// marks of the frame before, so the scene remembers the last frame.
class FrameUpdate {
public:
    // Draws the frame for `angle` over the last one.
    const Frame& next(std::int16_t angle) { return next(angle, {}); }
    const Frame& next(std::int16_t angle, const Experiment& experiment);
    // The frame on screen; none before the first.
    const std::optional<Frame>& current() const { return current_; }

private:
    std::optional<Frame> current_;
};

} // namespace vantrel
