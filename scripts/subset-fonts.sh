#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cuts the fonts that draw Arabic, Devanagari and Chinese down to the glyphs
# the catalogs' texts need, from Debian's Noto, and renames them as the SIL
# Open Font License asks of a modified font.
# Usage: scripts/subset-fonts.sh [PO_DIR]   (default: po)
# Writes data/fonts/VantrelArabic-Bold.ttf, VantrelDevanagari-Bold.ttf and
# VantrelCJK-Bold.ttf, and prints their sizes as TTF and as WOFF2.
set -euo pipefail
cd "$(dirname "$0")/.."

po_dir=${1:-po}
shopt -s nullglob
catalogs=("$po_dir"/*.po)
[[ ${#catalogs[@]} -gt 0 ]] || { echo "$0: no catalogs in $po_dir" >&2; exit 2; }

scripts/install-deps.sh fonts

# Everything in between goes to a folder of our own, and only it is removed.
work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT

# Which glyphs each font needs. A glyph list from the characters alone is not
# enough: shaping makes joined Arabic forms, Devanagari conjuncts and
# reordered vowel signs, and a closure over every feature keeps hundreds of
# forms no text uses (every width of the i-sign, every conjunct of every pair
# of consonants). So HarfBuzz shapes every text as the program will, and its
# trace names each glyph that appears at any step, in between ones included.
/usr/bin/python3 - "$work" "${catalogs[@]}" <<'PY'
import glob, re, subprocess, sys
from fontTools.ttLib import TTFont

sys.path.insert(0, "scripts")
import catalogs

work, paths = sys.argv[1], sys.argv[2:]

# The script's characters of each cut font (named and sourced as
# cmake/Fonts.cmake declares), and whether it also keeps ASCII digits and
# punctuation. The Chinese one leaves them to the Latin font, which comes
# first wherever a font is named: 33 more glyphs would cost it 3.6 KB of the
# page's zip.
SCRIPTS = {
    "VantrelArabic-Bold":
        (lambda u: 0x0600 <= u <= 0x06FF or 0x0750 <= u <= 0x077F or 0xFB50 <= u <= 0xFDFF or 0xFE70 <= u <= 0xFEFF,
         True),
    "VantrelDevanagari-Bold": (lambda u: 0x0900 <= u <= 0x097F or 0xA8E0 <= u <= 0xA8FF or 0x1CD0 <= u <= 0x1CFF, True),
    "VantrelCJK-Bold": (lambda u: 0x2E80 <= u <= 0x9FFF or 0xF900 <= u <= 0xFAFF or 0xFF00 <= u <= 0xFFEF, False),
}
shipped = catalogs.fonts()
FONTS = [(f["file"][:-4], f["cutFrom"], f["face"]) + SCRIPTS[f["file"][:-4]] for f in shipped if "cutFrom" in f]
LATIN = shipped[0]["file"]
ASCII_MARKS = [u for u in range(0x20, 0x7F) if not chr(u).isalpha()]
# Joiners and direction marks steer shaping; the dotted circle is what a
# shaper draws under a mark that has lost its base.
CONTROLS = [0x200C, 0x200D, 0x200E, 0x200F, 0x061C, 0x25CC]

def unquote(s):
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), s)

def catalog_texts(path):
    """The catalog's language and the translations the program can show."""
    catalog = catalogs.read(path)
    return (catalog["language"] or "und").replace("_", "-"), [text for _, text in catalogs.shown_texts(catalog)]

# The program's own words outside the catalogs: each language's name in the
# page's chooser, shown whatever the language.
def program_texts():
    out = []
    for path in sorted(glob.glob("src/window/*.cpp") + glob.glob("src/window/*.h")):
        for lit in re.findall(r'"((?:[^"\\\n]|\\.)*)"', open(path, encoding="utf-8").read()):
            if any(ord(c) > 0x7F for c in lit):
                out.append(unquote(lit))
    return out

texts = [(lang, t) for path in paths for lang, ts in [catalog_texts(path)] for t in ts]
texts += [("und", t) for t in program_texts()]
# Every font list names the Latin font first, so whatever it has (Latin,
# Cyrillic, digits, quotes, the degree sign) never comes from these fonts.
latin = set(TTFont("data/fonts/" + LATIN, lazy=True).getBestCmap())

for name, source, face, in_script, ascii_marks in FONTS:
    cmap = TTFont(source, fontNumber=face, lazy=True).getBestCmap()
    # Each stretch of text this font draws is shaped on its own, as a browser
    # or Qt splits a line into runs by font.
    runs, unicodes = {}, set(CONTROLS)
    for lang, text in texts:
        drawn = "".join(c if ord(c) in cmap and ord(c) not in latin else "\n" for c in text)
        for run in drawn.split("\n"):
            if any(in_script(ord(c)) for c in run):
                runs.setdefault(lang, set()).add(run)
                unicodes.update(ord(c) for c in run)
    if ascii_marks:
        unicodes.update(ASCII_MARKS)
    gids = {0}
    for lang, lang_runs in sorted(runs.items()):
        listing = f"{work}/{name}.{lang}.txt"
        with open(listing, "w", encoding="utf-8") as f:
            f.write("\n".join(sorted(lang_runs)) + "\n")
        # Shaped in the catalog's language and in none: the page tells the
        # browser its language, the desktop leaves the font's default.
        for tag in sorted({lang, "und"}):
            trace = subprocess.run(
                ["hb-shape", "--trace", "--no-glyph-names", "--no-positions", "--no-clusters",
                 f"--face-index={face}", f"--language={tag}", f"--text-file={listing}", source],
                check=True, capture_output=True, text=True).stdout
            for buffer in re.findall(r"\[([0-9|]*)\]", trace):
                gids.update(int(g) for g in buffer.split("|") if g)
    unicodes &= set(cmap)
    with open(f"{work}/{name}.gids", "w") as f:
        f.write("\n".join(map(str, sorted(gids))) + "\n")
    with open(f"{work}/{name}.unicodes", "w") as f:
        f.write("\n".join(f"U+{u:04X}" for u in sorted(unicodes)) + "\n")
    with open(f"{work}/{name}.source", "w") as f:
        f.write(f"{source}\n{face}\n")
    print(f"{name}: {len(unicodes)} characters, {len(gids)} glyphs", file=sys.stderr)
PY

for source_file in "$work"/*.source; do
  name=$(basename "$source_file" .source)
  { read -r source; read -r face; } <"$work/$name.source"
  # Only the glyphs found above: layout rules are kept where all their glyphs
  # are, instead of growing the set by every feature's alternates.
  /usr/bin/python3 -m fontTools.subset "$source" --font-number="$face" \
    --gids-file="$work/$name.gids" --unicodes-file="$work/$name.unicodes" \
    --layout-features='*' --no-layout-closure --no-hinting --desubroutinize \
    --drop-tables+=vhea,vmtx,VORG,FFTM \
    --output-file="$work/$name.ttf" 2>"$work/$name.log" || { cat "$work/$name.log" >&2; exit 1; }
done

# Renamed, as the licence asks of a modified font (the Latin font is renamed
# the same way by the page's build, scripts/webpage.py). The Chinese face's
# PostScript outlines become TrueType ones, so that every shipped .ttf is
# what its name says.
/usr/bin/python3 - "$work" <<'PY'
import sys
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable

work = sys.argv[1]
sys.path.insert(0, "scripts")
import catalogs
FAMILIES = {f["file"][:-4]: f["family"] for f in catalogs.fonts() if "cutFrom" in f}

def to_truetype(font):
    order = font.getGlyphOrder()
    glyphset = font.getGlyphSet()
    glyphs = {}
    for name in order:
        pen = TTGlyphPen(glyphset)
        # Within a thousandth of the em; PostScript contours run the other way.
        glyphset[name].draw(Cu2QuPen(pen, 1.0, reverse_direction=True))
        glyphs[name] = pen.glyph()
    del font["CFF "]
    font["loca"] = newTable("loca")
    font["glyf"] = glyf = newTable("glyf")
    glyf.glyphOrder, glyf.glyphs = order, glyphs
    glyf.compile(font)
    for name in order:
        advance, _ = font["hmtx"][name]
        font["hmtx"][name] = (advance, getattr(glyf[name], "xMin", 0))
    maxp = font["maxp"] = newTable("maxp")
    maxp.tableVersion = 0x00010000
    for field in ("maxZones", "maxTwilightPoints", "maxStorage", "maxFunctionDefs", "maxInstructionDefs",
                  "maxStackElements", "maxSizeOfInstructions", "maxComponentElements"):
        setattr(maxp, field, 0)
    maxp.maxZones = 1
    font["post"].formatType = 3.0
    font.sfntVersion = "\x00\x01\x00\x00"

for ps_name, family in FAMILIES.items():
    font = TTFont(f"{work}/{ps_name}.ttf", recalcTimestamp=False)
    if "CFF " in font:
        to_truetype(font)
    names = {1: family, 3: f"{family} Bold subset", 4: f"{family} Bold", 6: ps_name, 16: family}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    font.save(f"data/fonts/{ps_name}.ttf")
    font.flavor = "woff2"
    font.save(f"{work}/{ps_name}.woff2")
PY

for source_file in "$work"/*.source; do
  name=$(basename "$source_file" .source)
  printf '%-24s %7d bytes TTF %7d bytes WOFF2\n' "$name" \
    "$(stat -c %s "data/fonts/$name.ttf")" "$(stat -c %s "$work/$name.woff2")"
done
