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

# Debian's cache is complete but may be read-only; a tree of links to it
# lets emcc write its lock and notes without copying its libraries. (The
# web preset points emcc's node at Debian's JavaScript modules.)
cache=$(em-config CACHE)
if [[ ! -w "$cache" ]]; then
  mkdir -p "$out"
  [[ -d "$out/em-cache" ]] || cp -rs "$cache" "$out/em-cache"
  export EM_CACHE="$PWD/$out/em-cache"
fi
cmake --preset web >/dev/null
cmake --build --preset web -j"$jobs"
# The icon writer runs here, so it is built for this machine, by the core
# preset, which needs no Qt.
cmake --preset core >/dev/null
cmake --build --preset core -j"$jobs" --target vantrel-iconwriter vantrel-webtables json_check
iconwriter=build-core/tools/vantrel-iconwriter
# The tables are only written by a writer that passes its check.
build-core/tests/core/json_check >/dev/null

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
cp src/web/index.html src/web/app.js src/web/layout.js src/web/address.js src/web/manifest.webmanifest "$out/emscripten/vantrel.js" "$site/"
# The licences travel with what they cover: the program's, and the font's.
cp LICENSE "$site/LICENSE.txt"
cp LICENSES/OFL-1.1.txt "$site/OFL-1.1.txt"
"$iconwriter" 32 "$site/icon-32.png" 192 "$site/icon-192.png" 512 "$site/icon-512.png"
build-core/tools/vantrel-webtables >"$site/tables.js"
/usr/bin/python3 - "$out" "$site" "$version" <<'PY'
import base64, pathlib, sys
out, site, version = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3]
font = base64.b64encode((out / "font.woff2").read_bytes()).decode()
css = pathlib.Path("src/web/style.css").read_text()
(site / "style.css").write_text(css.replace("@FONT_WOFF2@", font))
sw = pathlib.Path("src/web/sw.js").read_text()
(site / "sw.js").write_text(sw.replace("@VERSION@", version))
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
