// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The zoom: how many logical pixels one designed pixel takes, in steps.
#pragma once

#include "desktop/geometry.h"

#include <array>

namespace vantrel {

// 67 % to 300 %, as browsers step.
inline constexpr std::array kZoomSteps{0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// The next step above or below a zoom that need not be a step itself (the
// zoom that fits a screen); the last step stays where it is.
double zoomStepIn(double zoom);
double zoomStepOut(double zoom);

// The largest zoom at which the designed client area fits into `area`.
double zoomToFit(const Size& area);

// The designed client area at a zoom, in logical pixels.
Size clientSizeAt(double zoom);

} // namespace vantrel
