# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The steps of the page's build that need the font tools or a zip; the web
preset's build runs them (src/web/CMakeLists.txt).

  webpage.py style STYLE_IN STYLE_OUT FONTS_JSON FONT_DIR LETTER_FILE...
    The style sheet with every shipped font inlined as WOFF2, in the order
    cmake/Fonts.cmake lists them. A font the page renames is first cut down
    to what the words need: printable ASCII (every English caption, and
    what fits in the box) and every character of the letter files (the
    catalogs, the languages' own names and the pseudo-locale); what it has
    no glyph for comes from the fonts cut for other scripts.
  webpage.py zip OUT.zip FOLDER FILE...
    The files in one folder of the zip, deflated as hard as it goes: the zip
    is held to 200 KB."""
import base64
import io
import json
import os
import sys
import tempfile
import zipfile

from fontTools import subset
from fontTools.ttLib import TTFont

FACE = """@font-face {{
  font-family: "{family}";
  font-weight: bold;
  src: url("data:font/woff2;base64,{data}") format("woff2");
}}"""


def woff2(font_path, family, renamed, letters):
    # The fonts keep their sources' time stamps, so that the same sources
    # build the same page.
    if not renamed:
        font = TTFont(font_path, recalcTimestamp=False)
    else:
        with tempfile.TemporaryDirectory() as scratch:
            text, cut = os.path.join(scratch, "letters.txt"), os.path.join(scratch, "cut.woff2")
            with open(text, "w", encoding="utf-8") as f:
                f.write(letters)
            subset.main([font_path, "--unicodes=U+0020-007E", f"--text-file={text}", "--flavor=woff2",
                          "--layout-features=kern", "--no-hinting", "--desubroutinize", f"--output-file={cut}"])
            font = TTFont(cut, recalcTimestamp=False)
            font["head"].modified = TTFont(font_path)["head"].modified
            # A cut-down font is a modified one, which the font's licence
            # lets carry no reserved name: it is renamed, as the page calls it.
            names = {1: family, 3: f"{family} Bold subset", 4: f"{family} Bold",
                     6: family.replace(" ", "") + "-Bold", 16: family}
            for record in font["name"].names:
                if record.nameID in names:
                    record.string = names[record.nameID]
            font.flavor = "woff2"
            out = io.BytesIO()
            font.save(out)
            return out.getvalue()
    font.flavor = "woff2"
    out = io.BytesIO()
    font.save(out)
    return out.getvalue()


def style(style_in, style_out, fonts_json, font_dir, *letter_files):
    letters = "".join(open(p, encoding="utf-8").read() for p in letter_files)
    with open(fonts_json, encoding="utf-8") as f:
        fonts = json.load(f)
    faces, families = [], []
    for font in fonts:
        family = font["pageFamily"]
        data = woff2(os.path.join(font_dir, font["file"]), family, family != font["family"], letters)
        faces.append(FACE.format(family=family, data=base64.b64encode(data).decode()))
        families.append(f'"{family}"')
    css = open(style_in, encoding="utf-8").read()
    css = css.replace("@FONT_FACES@", "\n".join(faces)).replace("@FONT_FAMILIES@", ", ".join(families))
    with open(style_out, "w", encoding="utf-8") as f:
        f.write(css)


def make_zip(target, folder, *files):
    with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for path in sorted(files, key=os.path.basename):
            z.write(path, f"{folder}/{os.path.basename(path)}")


if __name__ == "__main__":
    commands = {"style": style, "zip": make_zip}
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        sys.exit(__doc__)
    commands[sys.argv[1]](*sys.argv[2:])
