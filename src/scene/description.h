// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A frame of the scene in words, for listeners who cannot see the window.
#pragma once

#include "scene/frame.h"

#include <optional>
#include <string>

namespace vantrel {

// The phase angle in the read-out's whole degrees, the three phase currents
// as signed fractions of their peak (positive where the waveform chart's
// curve lies above its axis) and the direction the resultant points on
// screen, for example "Phase angle 90 degrees. Currents: R +1.00,
// Y -0.50, B -0.50. Field points left." Without a frame, how to draw one.
std::string describeFrame(const std::optional<Frame>& frame);

} // namespace vantrel
