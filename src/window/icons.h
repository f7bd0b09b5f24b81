// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The About picture and the window icon, drawn pixel by pixel.
#pragma once

#include "window/pixels.h"

namespace vantrel {

// The About picture: a white question mark on a dark green disc with a black
// outline. Drawn for sizes 32 and 16 only (a null picture for any other
// size), in colours of the 16-colour VGA palette, every pixel either fully
// opaque or fully transparent.
Pixels makeAboutImage(int size);

// The window icon: a target of concentric black, yellow and red rings on a
// transparent square. Sizes 16 and 32 are pixel-exact in VGA palette colours
// with binary alpha; any other size is the same target scaled and
// antialiased.
Pixels makeTargetImage(int size);

} // namespace vantrel
