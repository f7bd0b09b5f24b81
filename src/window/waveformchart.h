// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scene/experiment.h"
#include "window/palette.h"
#include "window/pixels.h"

namespace vantrel {

// The chart is a fixed-size picture; the window stretches it into its
// element, so callers need its natural size to map chart pixels to twips.
inline constexpr int WaveformChartWidth = 432;
inline constexpr int WaveformChartHeight = 295;

// One cycle of the three phase currents R, Y and B over a grey plot area
// with five horizontal grid lines, WaveformChartWidth x WaveformChartHeight
// opaque pixels. Its nominal resolution is 72 dots per inch.
Pixels makeWaveformChart();
// The same three currents as an experiment of the lab drives them, in the
// designed look or, white with darker and wider curves, the high-contrast one.
Pixels makeWaveformChart(const Experiment &experiment, Look look = Look::Designed);

} // namespace vantrel
