// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/description.h"

#include <cmath>
#include <numbers>

namespace vantrel {
namespace {

// The phase value is the phasor's length with the chart's sign turned
// round: the curves are drawn as sin(argument / 100).
long hundredthsOfPeak(const PhaseFrame& phase)
{
    const double fraction = -phase.value / 2000.0;
    return std::lround(fraction * 100.0);
}

std::optional<int> sectorOf(double dx, double dyDown)
{
    if (dx == 0 && dyDown == 0)
        return std::nullopt;
    const double degrees = std::atan2(-dyDown, dx) * 180.0 / std::numbers::pi;
    return static_cast<int>(((std::lround(degrees / 45.0) % 8) + 8) % 8);
}

} // namespace

FrameFacts frameFacts(const Frame& frame)
{
    FrameFacts facts;
    facts.degrees = frame.degrees;
    for (Phase p : {R, Y, B})
        facts.currents[p] = hundredthsOfPeak(frame.phases[p]);
    facts.direction = sectorOf(double{frame.resultant.x} - kPhasorCentre, double{frame.resultant.y} - kPhasorCentre);
    return facts;
}

} // namespace vantrel
