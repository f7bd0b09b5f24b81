// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/frame.h"

#include "scene/anglerules.h"

#include <cmath>

namespace vantrel {
namespace {

// Below -kThreshold the first conductor shows a cross, above +kThreshold a dot;
// smaller currents show nothing.
constexpr double kThreshold = 120.0;

PhaseFrame phaseAt(Phase p, double value, Marks before)
{
    PhaseFrame f;
    f.value = value;
    const double v = f.value;
    if (v < -kThreshold)
        f.marks = {true, false};
    else if (v > kThreshold)
        f.marks = {false, true};
    else if (-kThreshold < v && v < kThreshold)
        f.marks = {false, false};
    else { // exactly on a threshold
        f.marks = before;
        f.kept = true;
    }

    // The three phasors lie 120 degrees apart on screen; each coordinate is
    // worked out in double and rounded once, as the line stores it.
    constexpr double c = kPhasorCentre;
    switch (p) {
    case R:
        f.end = {static_cast<float>(c + v), static_cast<float>(c)};
        break;
    case Y:
        f.end = {static_cast<float>(c - v / 2), static_cast<float>(c + v * 0.866)};
        break;
    case B:
        f.end = {static_cast<float>(c - v / 2), static_cast<float>(c - v * 0.866)};
        break;
    }
    return f;
}

// An end point as the line holds it. Read back through a volatile because
// GCC 12 at -O3, once it pairs the x and y sums into vector operations,
// otherwise adds up the doubles the end points were rounded from: the
// resultant then lands one 32-bit step off wherever that sum is a tie.
double stored(float value)
{
    const volatile float line = value;
    return line;
}

// The resultant is summed from the phasor end points after their 32-bit
// rounding, not from the phase values.
Point resultantOf(const std::array<PhaseFrame, 3>& phases)
{
    const Point r = phases[R].end, y = phases[Y].end, b = phases[B].end;
    return {static_cast<float>(stored(r.x) + stored(y.x) + stored(b.x) - 2 * kPhasorCentre),
            static_cast<float>(stored(r.y) + stored(y.y) + stored(b.y) - 2 * kPhasorCentre)};
}

} // namespace

// 20 × 100 % is exactly the designed 2000, so the designed currents keep
// their floor to the bit.
double phaseValue(int argument, int percent)
{
    return -1.0 * std::floor(20.0 * percent * std::sin(argument / 100.0));
}

std::int32_t cursorX(std::int16_t angle) { return std::int32_t{angle} * kCursorStep + kCursorOrigin; }

Frame frameAt(std::int16_t angle, const std::array<Marks, 3>& before) { return frameAt(angle, before, {}); }

Frame frameAt(std::int16_t angle, const std::array<Marks, 3>& before, const Experiment& experiment)
{
    Frame f;
    f.angle = angle;
    f.degrees = static_cast<long long>(std::floor(angle / kReadOutFactor));
    f.cursor = cursorX(angle);
    const std::array<double, 3> currents = phaseCurrents(angle, experiment);
    for (Phase p : {R, Y, B})
        f.phases[p] = phaseAt(p, currents[p], before[p]);
    f.resultant = resultantOf(f.phases);
    return f;
}

double fieldSize(const Frame& frame)
{
    const double x = frame.resultant.x - kPhasorCentre, y = frame.resultant.y - kPhasorCentre;
    return std::hypot(x, y) / kPeakTwips;
}

const Frame& FrameUpdate::next(std::int16_t angle, const Experiment& experiment)
{
    current_ = frameAt(angle, current_ ? current_->marks() : kDesignedMarks, experiment);
    return *current_;
}

} // namespace vantrel
