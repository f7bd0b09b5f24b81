// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/experiment.h"

#include "scene/frame.h"

#include <algorithm>

namespace vantrel {

std::array<double, 3> phaseCurrents(std::int16_t angle, const Experiment& e)
{
    const int lag = e.sequence == Sequence::RYB ? -kPhaseOffset : kPhaseOffset;
    const std::array<int, 3> arguments{int{angle}, int{angle} + lag, int{angle} - lag};
    std::array<double, 3> i{};
    for (Phase p : {R, Y, B})
        i[p] = e.connected[p] ? phaseValue(arguments[p], e.amplitude[p]) : 0.0;

    const auto open = static_cast<int>(std::count(e.connected.begin(), e.connected.end(), false));
    if (e.neutral || open == 0)
        return i;
    if (open > 1)
        return {}; // no way round for any current
    // One line open, no neutral: the other two phases are one circuit across
    // the line voltage between them, so they carry one current, half the
    // difference of what each would drive alone: √3/2 of a phase's peak.
    const auto gone = static_cast<std::size_t>(std::find(e.connected.begin(), e.connected.end(), false) -
                                               e.connected.begin());
    const std::size_t a = (gone + 1) % 3, b = (gone + 2) % 3;
    const double series = (i[a] - i[b]) / 2;
    i[a] = series;
    i[b] = -series;
    return i;
}

} // namespace vantrel
