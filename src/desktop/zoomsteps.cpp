// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/zoomsteps.h"

#include "window/elements.h"

#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {
// A fitted zoom a hair away from a step counts as that step.
constexpr double kSameZoom = 1e-6;
}

double zoomStepIn(double zoom)
{
    const auto next = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                   [zoom](double step) { return step > zoom + kSameZoom; });
    return next == kZoomSteps.end() ? std::max(zoom, kZoomSteps.back()) : *next;
}

double zoomStepOut(double zoom)
{
    const auto next = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(),
                                   [zoom](double step) { return step < zoom - kSameZoom; });
    return next == kZoomSteps.rend() ? std::min(zoom, kZoomSteps.front()) : *next;
}

double zoomToFit(const Size& area)
{
    const double across = area.width * kTwipsPerPixel / kClientWidthTwips;
    const double down = area.height * kTwipsPerPixel / kClientHeightTwips;
    return std::min(across, down);
}

Size clientSizeAt(double zoom)
{
    return {static_cast<int>(std::lround(kClientWidthTwips / kTwipsPerPixel * zoom)),
            static_cast<int>(std::lround(kClientHeightTwips / kTwipsPerPixel * zoom))};
}

} // namespace vantrel
