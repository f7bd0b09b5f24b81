#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The frame every 16-bit angle must draw, worked out on its own.

Written from the drawing rules, not from the program: the phase currents,
the read-out's degrees, the cursor's place, the marks each phase shows and
the phasor end points, with the rounding of each end point to a 32-bit float
made explicit (struct's 'f' format). The program's own frame, printed in the
same format, must match this byte for byte on every platform.

One line per angle:
  angle degrees cursor vR vY vB marksR marksY marksB Rx Ry Yx Yy Bx By Wx Wy
marks: "cross" (the first conductor shows its cross, the second its dot),
"dot" (the opposite), "none" (all six hidden) or "keep" (a current exactly
on a threshold leaves them as they were). Coordinates are the shortest
decimals that read back as the same 32-bit float, in plain digits.

Usage: frames.py [FIRST LAST]   (default: -32768 32767)
"""
import math
import struct
import sys

CENTRE = 4500.0


def f32(x):
    """x rounded to the nearest 32-bit float, as a line stores it."""
    return struct.unpack("<f", struct.pack("<f", x))[0]


def f32_text(x):
    """The shortest decimal that reads back as the same 32-bit float."""
    for digits in range(1, 10):
        text = "%.*e" % (digits - 1, x)
        if f32(float(text)) == x:
            break
    mantissa, exponent = text.split("e")
    sign = "-" if mantissa.startswith("-") else ""
    figures = mantissa.lstrip("-").replace(".", "").rstrip("0") or "0"
    point = int(exponent) + 1  # figures before the decimal point
    if point <= 0:
        return sign + "0." + "0" * -point + figures
    if point >= len(figures):
        return sign + figures + "0" * (point - len(figures))
    return sign + figures[:point] + "." + figures[point:]


def phase_value(argument):
    return -math.floor(2000 * math.sin(argument / 100))


def marks(v):
    if v < -120:
        return "cross"
    if v > 120:
        return "dot"
    if -120 < v < 120:
        return "none"
    return "keep"


def frame(angle):
    vr, vy, vb = (phase_value(angle + offset) for offset in (0, -209, 209))
    r = (f32(CENTRE + vr), f32(CENTRE))
    y = (f32(CENTRE - vy / 2), f32(CENTRE + vy * 0.866))
    b = (f32(CENTRE - vb / 2), f32(CENTRE - vb * 0.866))
    w = (f32(r[0] + y[0] + b[0] - 2 * CENTRE), f32(r[1] + y[1] + b[1] - 2 * CENTRE))
    fields = [angle, math.floor(angle / 1.744), angle * 8 + 9340, vr, vy, vb]
    fields += [marks(v) for v in (vr, vy, vb)]
    fields += [f32_text(c) for c in r + y + b + w]
    return " ".join(str(f) for f in fields)


def main():
    first, last = (int(a) for a in sys.argv[1:3]) if len(sys.argv) >= 3 else (-32768, 32767)
    sys.stdout.write("".join(frame(a) + "\n" for a in range(first, last + 1)))


if __name__ == "__main__":
    main()
