// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>

// The About picture: a white question mark on a dark green disc with a black
// outline. Drawn pixel by pixel for sizes 32 and 16 only (a null image for
// any other size), in colours of the 16-colour VGA palette, ARGB32 with every
// pixel either fully opaque or fully transparent.
QImage makeAboutImage(int size);
QIcon makeAboutIcon();

// The window icon: a target of concentric black, yellow and red rings on a
// transparent square. Sizes 16 and 32 are pixel-exact in VGA palette colours
// with binary alpha; any other size is the same target scaled and
// antialiased. ARGB32.
QImage makeTargetImage(int size);
QIcon makeWindowIcon();
