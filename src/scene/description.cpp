// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/description.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace vantrel {
namespace {

// A fraction to two places with its sign; a current that rounds to nothing
// gets no sign, since "-0.00" would claim a direction it does not have.
std::string signedFraction(double fraction)
{
    const long hundredths = std::lround(fraction * 100.0);
    const long magnitude = std::labs(hundredths);
    const std::string sign = hundredths > 0 ? "+" : hundredths < 0 ? "-" : "";
    const long cents = magnitude % 100;
    return sign + std::to_string(magnitude / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

// The phase value is the phasor's length with the chart's sign turned
// round: the curves are drawn as sin(argument / 100).
std::string current(const PhaseFrame& phase) { return signedFraction(-phase.value / 2000.0); }

// Eight directions, counter-clockwise from screen right, each covering 45
// degrees around its own.
std::string direction(double dx, double dyDown)
{
    static const std::array<const char*, 8> words{
        "right", "up and right", "up", "up and left", "left", "down and left", "down", "down and right"};
    const double degrees = std::atan2(-dyDown, dx) * 180.0 / std::numbers::pi;
    const long sector = ((std::lround(degrees / 45.0) % 8) + 8) % 8;
    return words[static_cast<std::size_t>(sector)];
}

} // namespace

std::string describeFrame(const std::optional<Frame>& frame)
{
    if (!frame)
        return "No frame drawn yet. Press Play or Set Angle to draw one.";

    const double dx = double{frame->resultant.x} - kPhasorCentre;
    const double dy = double{frame->resultant.y} - kPhasorCentre;
    const std::string field = dx == 0 && dy == 0 ? "Field is zero." : "Field points " + direction(dx, dy) + ".";

    const bool one = frame->degrees == 1 || frame->degrees == -1;
    return "Phase angle " + std::to_string(frame->degrees) + (one ? " degree" : " degrees") +
           ". Currents: R " + current(frame->phases[R]) + ", Y " + current(frame->phases[Y]) + ", B " +
           current(frame->phases[B]) + ". " + field;
}

} // namespace vantrel
