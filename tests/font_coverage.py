#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every character a catalog can put on the screen is in a font the program
ships, and the cut-down Noto fonts shape every such text exactly as the
fonts they were cut from (same glyph shapes, advances and offsets), so no
joined Arabic form or Devanagari conjunct went missing in the cut.

Usage: tests/font_coverage.py [PO_DIR] [FONT_DIR] [FONTS_JSON]
(defaults: po, data/fonts, and the fonts cmake/Fonts.cmake declares)
Exit status 0 when all is covered, 1 with the list of what is missing, 77
when fontTools or polib is not installed. The shaping comparison needs
hb-shape and Debian's Noto fonts (scripts/install-deps.sh fonts) and is
skipped, with a note, without them."""
import glob
import json
import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
try:
    from fontTools.ttLib import TTFont
    import catalogs
except ImportError as missing_module:
    print(f"{missing_module.name} is missing: scripts/install-deps.sh fonts installs it")
    sys.exit(77)

po_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "po")
font_dir = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "data", "fonts")
if len(sys.argv) > 3:
    with open(sys.argv[3], encoding="utf-8") as f:
        shipped = json.load(f)
else:
    shipped = catalogs.fonts()

# Where each shipped cut comes from, to compare their shaping; the Latin font,
# named first everywhere, is the one not cut here.
SOURCES = {font["file"]: (font["cutFrom"], font["face"]) for font in shipped if "cutFrom" in font}
LATIN = shipped[0]["file"]


def unescape(s):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), s)


def program_texts():
    """Words the program holds outside the catalogs, such as each language's
    own name in the page's chooser."""
    out = []
    for path in sorted(glob.glob(os.path.join(ROOT, "src/window/*.cpp")) + glob.glob(os.path.join(ROOT, "src/window/*.h"))):
        for lit in re.findall(r'"((?:[^"\\\n]|\\.)*)"', open(path, encoding="utf-8").read()):
            if any(ord(c) > 0x7F for c in lit):
                out.append((os.path.relpath(path, ROOT), unescape(lit)))
    return out


read = catalogs.read_all(po_dir)
if not read["languages"]:
    print(f"no catalogs in {po_dir}")
    sys.exit(1)
texts = [(code + ".po", msgid, text) for code, catalog in read["catalogs"].items()
         for msgid, text in catalogs.shown_texts(catalog)]
texts += [(where, "", text) for where, text in program_texts()]

absent = [f["file"] for f in shipped if not os.path.exists(os.path.join(font_dir, f["file"]))]
if absent:
    print(f"not in {font_dir}: {', '.join(absent)}")
    sys.exit(1)
fonts = {f["file"]: TTFont(os.path.join(font_dir, f["file"]), lazy=True).getBestCmap() for f in shipped}

# Coverage: a line breaks at \n, and nothing else is exempt.
missing = {}
for where, msgid, text in texts:
    for c in text:
        if c != "\n" and not any(ord(c) in cmap for cmap in fonts.values()):
            missing.setdefault(c, []).append(f"{where}: {msgid or text!r}")
for c, uses in sorted(missing.items()):
    print(f"MISSING U+{ord(c):04X} {c!r} ({len(uses)} texts), e.g. {uses[0]}")
print(f"{len(texts)} texts from {len(read['languages'])} catalogs, {len(fonts)} fonts: "
      f"{len(missing)} characters missing")

# Shaping: each run that a cut font draws (what the Latin font, named first
# everywhere, does not have) against the same run in the original font.
failures = 0
if not shutil.which("hb-shape"):
    print("NOTE: hb-shape is missing, the shaping comparison is skipped")
else:
    latin = fonts[LATIN]
    for name, (source, face) in SOURCES.items():
        if name not in fonts:
            continue
        if not os.path.exists(source):
            print(f"NOTE: {source} is missing, {name} is not compared with it")
            continue
        cmap = fonts[name]
        runs = sorted({run for _, _, text in texts
                       for run in "".join(c if ord(c) in cmap and ord(c) not in latin else "\n" for c in text).split("\n")
                       if run.strip()})

        def shape(path, index):
            result = subprocess.run(["hb-shape", "--show-extents", f"--face-index={index}", "--no-glyph-names",
                                     "--text-file=/dev/stdin", path],
                                    input="\n".join(runs) + "\n", capture_output=True, text=True, check=True).stdout
            # Glyph numbers differ between the two fonts; clusters, advances
            # and offsets must not.
            return [[re.match(r"\d*=(\d+)(?:@(-?\d+),(-?\d+))?\+(-?\d+)<(-?\d+),(-?\d+),(-?\d+),(-?\d+)>", g).groups()
                     for g in line.strip("[]").split("|")] for line in result.splitlines()]

        def same(cut, original):
            # The ink's extents may move by a unit or two where PostScript
            # curves became TrueType ones; a missing or wrong glyph moves far more.
            return len(cut) == len(original) and all(
                a[:4] == b[:4] and all(abs(int(x) - int(y)) <= 2 for x, y in zip(a[4:], b[4:]))
                for a, b in zip(cut, original))

        for run, cut, original in zip(runs, shape(os.path.join(font_dir, name), 0), shape(source, face)):
            if not same(cut, original):
                failures += 1
                print(f"SHAPED DIFFERENTLY in {name}: {run!r}\n  cut:      {cut}\n  original: {original}")
        print(f"{name}: {len(runs)} runs compared with {os.path.basename(source)}")

sys.exit(1 if missing or failures else 0)
