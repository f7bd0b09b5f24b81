# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The catalogs as their translators wrote them in po/, read with polib and
never through the program's own catalog reader, so that the tests can hold
the program against them. Imported by the scripts and tests in Python; the
build writes the same to one JSON file for the tests in C++ and JavaScript:

    python3 scripts/catalogs.py PO_DIR OUT.json

{"languages": [code, ...], "catalogs": {code: {"language", "pluralForms",
 "entries": [{"context", "id", "plural", "strings", "flags", "references"}]}}}
with the strings msgstr, or msgstr[0], msgstr[1], ...; obsolete entries and
the header are left out."""
import json
import os
import subprocess
import sys
import tempfile

import polib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def languages(po_dir):
    """The codes po/LINGUAS names, in its order."""
    with open(os.path.join(po_dir, "LINGUAS"), encoding="utf-8") as f:
        return [word for line in f if not line.startswith("#") for word in line.split()]


def read(path):
    po = polib.pofile(path)
    entries = []
    for e in po:
        if e.obsolete:
            continue
        strings = [e.msgstr_plural[k] for k in sorted(e.msgstr_plural)] if e.msgid_plural else [e.msgstr]
        entries.append({"context": e.msgctxt or "", "id": e.msgid, "plural": e.msgid_plural or "",
                        "strings": strings, "flags": list(e.flags),
                        "references": [f"{name}:{line}" if line else name for name, line in e.occurrences]})
    return {"language": po.metadata.get("Language", ""), "pluralForms": po.metadata.get("Plural-Forms", ""),
            "entries": entries}


def read_all(po_dir):
    codes = languages(po_dir)
    return {"languages": codes, "catalogs": {code: read(os.path.join(po_dir, code + ".po")) for code in codes}}


def shown(entry):
    """Whether the program can put the entry on the screen: not a fuzzy one,
    nor one that only the desktop entry or the metainfo use (a software
    centre draws those, in its own fonts)."""
    refs = entry["references"]
    return "fuzzy" not in entry["flags"] and not (refs and all(r.startswith("data/") for r in refs))


def shown_texts(catalog):
    """(msgid, translation) of every text of the catalog the program shows."""
    return [(e["id"], s) for e in catalog["entries"] if shown(e) for s in e["strings"] if s]


def fonts():
    """The shipped fonts as cmake/Fonts.cmake declares them."""
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "fonts.json")
        subprocess.run(["cmake", f"-DOUT={out}", "-P", os.path.join(ROOT, "cmake", "Fonts.cmake")], check=True)
        with open(out, encoding="utf-8") as f:
            return json.load(f)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: catalogs.py PO_DIR OUT.json")
    data = json.dumps(read_all(sys.argv[1]), ensure_ascii=False, indent=1)
    with open(sys.argv[2], "w", encoding="utf-8") as f:
        f.write(data + "\n")
