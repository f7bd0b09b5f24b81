// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window icon at one size as raw RGBA bytes on standard output,
// for the build to pack into the icons that the page and its manifest name.
#include "window/icons.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int size = argc > 1 ? std::atoi(argv[1]) : 0;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "usage: makeicon SIZE (16 to 1024)\n");
        return 2;
    }
    const vantrel::Pixels icon = vantrel::makeTargetImage(size);
    return std::fwrite(icon.data(), 1, icon.byteCount(), stdout) == icon.byteCount() ? 0 : 1;
}
