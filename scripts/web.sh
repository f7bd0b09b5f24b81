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

# The font cut down to what the words need: printable ASCII (every English
# caption, and what fits in the box) and the letters of every catalog, the
# languages' own names and the testers' pseudo-locale, Latin and Cyrillic
# alike; what it has no glyph for comes from the fonts cut for other scripts.
# Debian's own Python, which has the font tools, whatever else is on PATH.
cat po/*.po src/window/locales.cpp >"$out/letters.txt"
/usr/bin/python3 -m fontTools.subset data/fonts/LiberationSans-Bold.ttf --unicodes=U+0020-007E \
  --text-file="$out/letters.txt" --flavor=woff2 --layout-features=kern --no-hinting --desubroutinize \
  --output-file="$out/font.woff2" 2>/dev/null
# A cut-down font is a modified one, which the font's licence lets carry no
# reserved name: it is renamed, as the page already calls it. The fonts cut
# for Arabic, Devanagari and Chinese (scripts/subset-fonts.sh) are already
# renamed, and are only packed the same way.
/usr/bin/python3 - "$out" <<'PY'
import pathlib, sys
from fontTools.ttLib import TTFont
out = pathlib.Path(sys.argv[1])
font = TTFont(out / "font.woff2")
names = {1: "Vantrel Sans", 3: "Vantrel Sans Bold subset", 4: "Vantrel Sans Bold", 6: "VantrelSans-Bold",
         16: "Vantrel Sans"}
for record in font["name"].names:
    if record.nameID in names:
        record.string = names[record.nameID]
font.save(out / "font.woff2")
for name in ("VantrelArabic", "VantrelDevanagari", "VantrelCJK"):
    font = TTFont(pathlib.Path("data/fonts") / (name + "-Bold.ttf"))
    font.flavor = "woff2"
    font.save(out / (name + ".woff2"))
PY
rm -rf "$site"
mkdir -p "$site"
cp src/web/index.html src/web/app.js src/web/layout.js src/web/address.js "$out/emscripten/vantrel.js" "$site/"
# The licences travel with what they cover: the program's, and the font's.
cp LICENSE "$site/LICENSE.txt"
cp LICENSES/OFL-1.1.txt "$site/OFL-1.1.txt"
"$iconwriter" 32 "$site/icon-32.png" 192 "$site/icon-192.png" 512 "$site/icon-512.png"
build-core/tools/vantrel-webtables >"$site/tables.js"
# One web manifest a language, described in it: English's is the page's own.
manifests=manifest.webmanifest
build-core/tools/vantrel-webtables manifest en >"$site/manifest.webmanifest"
for code in $(cat po/LINGUAS); do
  tag=${code/_/-}
  build-core/tools/vantrel-webtables manifest "$tag" >"$site/manifest-$tag.webmanifest"
  manifests="$manifests manifest-$tag.webmanifest"
done
/usr/bin/python3 - "$out" "$site" "$version" "$manifests" <<'PY'
import base64, json, pathlib, sys
out, site, version, manifests = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3], sys.argv[4].split()
css = pathlib.Path("src/web/style.css").read_text()
for mark, name in (("@FONT_WOFF2@", "font"), ("@FONT_ARABIC@", "VantrelArabic"),
                   ("@FONT_DEVANAGARI@", "VantrelDevanagari"), ("@FONT_CJK@", "VantrelCJK")):
    css = css.replace(mark, base64.b64encode((out / (name + ".woff2")).read_bytes()).decode())
(site / "style.css").write_text(css)
sw = pathlib.Path("src/web/sw.js").read_text()
sw = sw.replace("@VERSION@", version).replace('"@MANIFESTS@"', ", ".join(json.dumps(m) for m in manifests))
(site / "sw.js").write_text(sw)
PY

# The zip holds one folder, named with the version.
zip="$out/vantrel-web-$version.zip"
stage="$out/zip/vantrel-web-$version"
rm -rf "$out/zip" "$zip"
mkdir -p "$stage"
cp "$site"/* "$stage/"
# Deflated as hard as it goes: the zip is held to 200 KB.
/usr/bin/python3 - "$out/zip" "vantrel-web-$version" "$zip" <<'PY'
import pathlib, sys, zipfile
base, folder, target = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for f in sorted((base / folder).rglob("*")):
        z.write(f, f.relative_to(base).as_posix())
PY
rm -rf "$out/zip"
echo "Built $site/ and $zip ($(stat -c %s "$zip") bytes)"
