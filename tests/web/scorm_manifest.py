# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The SCORM package's manifest, read back with an XML parser and held
against the zip's own list of files: of a built package (--zip PACKAGE), or
of one that scorm.py packs of names and a version that need escaping."""
import os
import subprocess
import sys
import tempfile
import urllib.parse
import zipfile
import xml.etree.ElementTree as ET

# IMS Content Packaging 1.1.2's namespace and ADL's, as SCORM 1.2 gives them.
CP = "{http://www.imsproject.org/xsd/imscp_rootv1p1p2}"
ADLCP = "{http://www.adlnet.org/xsd/adlcp_rootv1p2}"


def faults_of(package, version=None):
    with zipfile.ZipFile(package) as z:
        shipped = set(z.namelist()) - {"imsmanifest.xml"}
        root = ET.fromstring(z.read("imsmanifest.xml"))
    found = [] if root.tag == CP + "manifest" and version in (None, root.get("version")) else ["root or version"]
    if [root.findtext(f"{CP}metadata/{CP}{e}") for e in ("schema", "schemaversion")] != ["ADL SCORM", "1.2"]:
        found.append("not marked ADL SCORM 1.2")
    items = root.findall(f"{CP}organizations/{CP}organization/{CP}item")
    resources = root.findall(f"{CP}resources/{CP}resource")
    if len(root.findall(f"{CP}organizations/{CP}organization")) != 1 or len(items) != 1 or len(resources) != 1:
        return found + ["not one organization of one item and one resource"]
    r = resources[0]
    if (items[0].get("identifierref"), r.get(ADLCP + "scormtype"), r.get("href")) != (r.get("identifier"), "sco", "index.html"):
        found.append("the item's resource is not a SCO launched from index.html")
    listed = [urllib.parse.unquote(f.get("href")) for f in r.findall(f"{CP}file")]
    if len(set(listed)) != len(listed):
        found.append("a file listed twice")
    return found + [f"{n}: in the zip, not listed" for n in sorted(shipped - set(listed))] + \
        [f"{n}: listed, not in the zip" for n in sorted(set(listed) - shipped)]


def awkward(scorm_py):
    version = "1.0<&\"'>"
    names = ["index.html", "a&b.js", "<x>.css", "with space.png", "100%.txt", "a%20b.js", "quote\"d.js", "caf\u00e9.js"]
    with tempfile.TemporaryDirectory() as scratch:
        for name in names:
            with open(os.path.join(scratch, name), "w", encoding="utf-8") as f:
                f.write(name)
        package = os.path.join(scratch, "package.zip")
        subprocess.run([sys.executable, scorm_py, package, version] + [os.path.join(scratch, n) for n in names], check=True)
        return faults_of(package, version)


if __name__ == "__main__":
    found = faults_of(sys.argv[2]) if sys.argv[1] == "--zip" else awkward(sys.argv[1])
    print("\n".join(found) or "the manifest lists every file of the package")
    sys.exit(1 if found else 0)
