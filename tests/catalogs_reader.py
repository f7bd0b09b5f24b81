#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The tests' one reader of the catalogs (scripts/catalogs.py, with polib)
reads each catalog as gettext does: every translation that msgfmt compiles,
read back by Python's own gettext, is the reader's for the same context,
msgid and plural form, and the reader has no translated entry more.

Usage: tests/catalogs_reader.py [PO_DIR]   (default: po)
Exit status 0 when they agree, 1 with each difference, 77 without polib."""
import gettext
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
try:
    import catalogs
except ImportError:
    print("polib is missing: scripts/install-deps.sh run installs it")
    sys.exit(77)

po_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "po")
read = catalogs.read_all(po_dir)
differences = 0
with tempfile.TemporaryDirectory() as scratch:
    for code in read["languages"]:
        mo = os.path.join(scratch, code + ".mo")
        # msgfmt leaves out fuzzy and untranslated entries, and the reader's
        # entries are held to the same.
        subprocess.run(["msgfmt", "-o", mo, os.path.join(po_dir, code + ".po")], check=True)
        with open(mo, "rb") as f:
            compiled = {k: v for k, v in gettext.GNUTranslations(f)._catalog.items() if k != ""}
        ours = {}
        for e in read["catalogs"][code]["entries"]:
            if "fuzzy" in e["flags"] or not all(e["strings"]):
                continue
            key = (e["context"] + "\x04" if e["context"] else "") + e["id"]
            if e["plural"]:
                ours.update({(key, n): s for n, s in enumerate(e["strings"])})
            else:
                ours[key] = e["strings"][0]
        for key in sorted(set(compiled) | set(ours), key=repr):
            if compiled.get(key) != ours.get(key):
                differences += 1
                print(f"{code}: {key!r}: gettext {compiled.get(key)!r}, reader {ours.get(key)!r}")
        print(f"{code}: {len(compiled)} translations compared")
sys.exit(1 if differences else 0)
