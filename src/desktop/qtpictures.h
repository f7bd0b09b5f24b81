// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's pictures as Qt images and icons.
#pragma once

#include "scene/experiment.h"
#include "window/palette.h"
#include "window/pixels.h"

#include <QIcon>
#include <QImage>

namespace vantrel {

// An ARGB32 image holding the same pixels (RGB32 where all are opaque).
QImage toImage(const Pixels& pixels);

// The waveform chart at its nominal 72 dots per inch.
QImage waveformChartImage(const Experiment& experiment = {}, Look look = Look::Designed);
QIcon makeWindowIcon();

} // namespace vantrel
