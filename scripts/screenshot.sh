#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Remakes docs/screenshot.png, the README's picture: the program started by
# scripts/run.sh on a virtual X server, set to the angle in its box (60
# degrees) by a click on Set Angle, its window's client area saved as a PNG.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake --preset default >/dev/null
cmake --build --preset default --target vantrel -j"$(nproc)" >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cat >"$scratch/shoot.sh" <<'SHOOT'
set -euo pipefail
# A group of its own, so that the program goes with the build tool that
# started it.
setsid scripts/run.sh >/dev/null & program=$!
trap 'kill -- -$program' EXIT
window=$(xdotool search --sync --onlyvisible --name '^Vantrel$' | head -1)
sleep 1
# The middle of Set Angle, in the window's designed pixels.
xdotool mousemove --window "$window" 900 567 click 1
# The pointer leaves the window, so that no tooltip shows in the picture.
xdotool mousemove 1279 1023
sleep 1
xwd -silent -id "$window" >"$1"
SHOOT
env -u QT_QPA_PLATFORM QT_ENABLE_HIGHDPI_SCALING=0 XDG_RUNTIME_DIR="$scratch" \
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$scratch/shoot.sh" "$scratch/window.xwd"

# xwd's 32-bit pixels to an RGB PNG.
python3 - "$scratch/window.xwd" docs/screenshot.png <<'PNG'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
h = struct.unpack(">25I", data[:100])
size, width, height, order, bpp, stride = h[0], h[4], h[5], h[7], h[11], h[12]
masks = h[14:17]
# Xvfb packs a 24-bit visual in 32 bits or, on some servers, in 24.
assert bpp in (24, 32), bpp
step = bpp // 8
pixels = data[size + 12 * h[19]:]
endian = "little" if order == 0 else "big"
rows = []
for y in range(height):
    line = pixels[y * stride:y * stride + width * step]
    row = [int.from_bytes(line[x:x + step], endian) for x in range(0, width * step, step)]
    rows.append(b"\0" + bytes(((v & m) >> ((m & -m).bit_length() - 1)) for v in row for m in masks))
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")
open(sys.argv[2], "wb").write(png)
print(f"{sys.argv[2]}: {width}x{height}")
PNG
