#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every character a catalog can put on the screen is in a font the program
ships, and the cut-down Noto fonts shape every such text exactly as the
fonts they were cut from (same glyph shapes, advances and offsets), so no
joined Arabic form or Devanagari conjunct went missing in the cut.

Usage: tests/font_coverage.py [PO_DIR] [FONT_DIR]   (defaults: po, data/fonts)
Exit status 0 when all is covered, 1 with the list of what is missing, 77
when fontTools is not installed. The shaping comparison needs hb-shape and
Debian's Noto fonts (scripts/install-deps.sh fonts) and is skipped, with a
note, without them."""
import glob
import os
import re
import shutil
import subprocess
import sys

try:
    from fontTools.ttLib import TTFont
except ImportError:
    print("fontTools is missing: scripts/install-deps.sh fonts installs it")
    sys.exit(77)

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
po_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "po")
font_dir = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "data", "fonts")

# Where each shipped cut comes from, to compare their shaping.
SOURCES = {
    "VantrelArabic-Bold.ttf": ("/usr/share/fonts/truetype/noto/NotoSansArabic-Bold.ttf", 0),
    "VantrelDevanagari-Bold.ttf": ("/usr/share/fonts/truetype/noto/NotoSansDevanagari-Bold.ttf", 0),
    "VantrelCJK-Bold.ttf": ("/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", 2),
}
LATIN = "LiberationSans-Bold.ttf"


def unescape(s):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), s)


def shown_texts(path):
    """(msgid, translation) of each entry the program can show: not the
    header, not fuzzy, not one that only the desktop entry or the metainfo
    use (a software centre draws those)."""
    out = []
    entry = {"refs": [], "flags": [], "fields": {}}
    key = None

    def flush():
        f = entry["fields"]
        refs = entry["refs"]
        if f.get("msgid") and "fuzzy" not in entry["flags"] and not (refs and all(r.startswith("data/") for r in refs)):
            out.extend((f["msgid"], v) for k, v in f.items() if k.startswith("msgstr") and v)
        entry.update(refs=[], flags=[], fields={})

    for line in open(path, encoding="utf-8").read().splitlines() + [""]:
        line = line.strip()
        if not line:
            flush()
            key = None
        elif line.startswith("#:"):
            entry["refs"] += line[2:].split()
        elif line.startswith("#,"):
            entry["flags"] += [f.strip() for f in line[2:].split(",")]
        elif line.startswith("#"):
            continue
        elif line.startswith('"') and key:
            entry["fields"][key] += unescape(line[1:-1])
        else:
            m = re.match(r'(msgctxt|msgid_plural|msgid|msgstr(?:\[\d+\])?)\s+"(.*)"$', line)
            if not m:
                raise SystemExit(f"{path}: cannot read the line {line!r}")
            key = m.group(1)
            entry["fields"][key] = unescape(m.group(2))
    return out


def program_texts():
    """Words the program holds outside the catalogs, such as each language's
    own name in the page's chooser."""
    out = []
    for path in sorted(glob.glob(os.path.join(ROOT, "src/window/*.cpp")) + glob.glob(os.path.join(ROOT, "src/window/*.h"))):
        for lit in re.findall(r'"((?:[^"\\\n]|\\.)*)"', open(path, encoding="utf-8").read()):
            if any(ord(c) > 0x7F for c in lit):
                out.append((os.path.relpath(path, ROOT), unescape(lit)))
    return out


catalogs = sorted(glob.glob(os.path.join(po_dir, "*.po")))
if not catalogs:
    print(f"no catalogs in {po_dir}")
    sys.exit(1)
texts = [(os.path.basename(p), msgid, text) for p in catalogs for msgid, text in shown_texts(p)]
texts += [(where, "", text) for where, text in program_texts()]

fonts = {os.path.basename(p): TTFont(p, lazy=True).getBestCmap() for p in sorted(glob.glob(os.path.join(font_dir, "*.ttf")))}
if LATIN not in fonts:
    print(f"{LATIN} is not in {font_dir}")
    sys.exit(1)

# Coverage: a line breaks at \n, and nothing else is exempt.
missing = {}
for where, msgid, text in texts:
    for c in text:
        if c != "\n" and not any(ord(c) in cmap for cmap in fonts.values()):
            missing.setdefault(c, []).append(f"{where}: {msgid or text!r}")
for c, uses in sorted(missing.items()):
    print(f"MISSING U+{ord(c):04X} {c!r} ({len(uses)} texts), e.g. {uses[0]}")
print(f"{len(texts)} texts from {len(catalogs)} catalogs, {len(fonts)} fonts: "
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
