#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition: build-web/site/ (open its index.html, or serve
# the folder) and build-web/vantrel-web-<version>.zip holding that folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web

out=build-web
site="$out/site"
version=$(sed -n 's/^project(Vantrel VERSION \([0-9][0-9.]*\).*/\1/p' CMakeLists.txt)
[[ -n "$version" ]] || { echo "no version in CMakeLists.txt" >&2; exit 1; }
jobs=$(nproc)

# emcc runs its JavaScript tools with the node on PATH, which may not look
# where Debian keeps them.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Debian's cache is complete but may be read-only; a tree of links to it
# lets emcc write its lock and notes without copying its libraries.
cache=$(em-config CACHE)
if [[ ! -w "$cache" ]]; then
  mkdir -p "$out"
  [[ -d "$out/em-cache" ]] || cp -rs "$cache" "$out/em-cache"
  export EM_CACHE="$PWD/$out/em-cache"
fi

emcmake cmake -S src/web -B "$out/wasm" -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$out/wasm" -j"$jobs"
cmake -S src/web -B "$out/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/native" -j"$jobs" --target makeicon

# The font cut down to printable ASCII: every caption, and what fits in the box.
# Debian's own Python, which has the font tools, whatever else is on PATH.
/usr/bin/python3 -m fontTools.subset data/fonts/LiberationSans-Bold.ttf --unicodes=U+0020-007E --flavor=woff2 \
  --layout-features=kern --no-hinting --desubroutinize --output-file="$out/font.woff2" 2>/dev/null
# A cut-down font is a modified one, which the font's licence lets carry no
# reserved name: it is renamed, as the page already calls it.
/usr/bin/python3 - "$out/font.woff2" <<'PY'
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1])
names = {1: "Vantrel Sans", 3: "Vantrel Sans Bold subset", 4: "Vantrel Sans Bold", 6: "VantrelSans-Bold",
         16: "Vantrel Sans"}
for record in font["name"].names:
    if record.nameID in names:
        record.string = names[record.nameID]
font.save(sys.argv[1])
PY

rm -rf "$site"
mkdir -p "$site"
cp src/web/index.html src/web/app.js src/web/layout.js src/web/address.js src/web/manifest.webmanifest "$out/wasm/vantrel.js" "$site/"
# The licences travel with what they cover: the program's, and the font's.
cp LICENSE "$site/LICENSE.txt"
cp LICENSES/OFL-1.1.txt "$site/OFL-1.1.txt"
for size in 32 192 512; do
  "$out/native/makeicon" "$size" >"$out/icon-$size.rgba"
done
/usr/bin/python3 - "$out" "$site" "$version" <<'PY'
import base64, pathlib, struct, sys, zlib
out, site, version = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3]
font = base64.b64encode((out / "font.woff2").read_bytes()).decode()
css = pathlib.Path("src/web/style.css").read_text()
(site / "style.css").write_text(css.replace("@FONT_WOFF2@", font))
sw = pathlib.Path("src/web/sw.js").read_text()
(site / "sw.js").write_text(sw.replace("@VERSION@", version))

def png(rgba, size):
    """The smaller of two PNGs of the exact pixels: in full colour, and with a
    palette where they have few colours, as the icon's rings do."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    def encode(colour_type, rows, extra=b""):
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, colour_type, 0, 0, 0))
                + extra + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))
    full = encode(6, b"".join(b"\0" + rgba[y * size * 4:(y + 1) * size * 4] for y in range(size)))
    pixels = [rgba[i:i + 4] for i in range(0, len(rgba), 4)]
    colours = sorted(set(pixels))
    if len(colours) > 256:
        return full
    index = {c: i for i, c in enumerate(colours)}
    rows = b"".join(b"\0" + bytes(index[p] for p in pixels[y * size:(y + 1) * size]) for y in range(size))
    palette = encode(3, rows, chunk(b"PLTE", b"".join(c[:3] for c in colours))
                     + chunk(b"tRNS", bytes(c[3] for c in colours)))
    return min(full, palette, key=len)

for size in (32, 192, 512):
    (site / f"icon-{size}.png").write_bytes(png((out / f"icon-{size}.rgba").read_bytes(), size))
PY

# The zip holds one folder, named with the version.
zip="$out/vantrel-web-$version.zip"
stage="$out/zip/vantrel-web-$version"
rm -rf "$out/zip" "$zip"
mkdir -p "$stage"
cp "$site"/* "$stage/"
(cd "$out/zip" && cmake -E tar cf "../vantrel-web-$version.zip" --format=zip "vantrel-web-$version")
rm -rf "$out/zip"
echo "Built $site/ and $zip ($(stat -c %s "$zip") bytes)"
