# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The SCORM package's manifest, read back with an XML parser and held
against the zip's own list of files.

  scorm_manifest.py scripts/scorm.py
    Packs files whose names and version need escaping, and checks that.
  scorm_manifest.py --zip build-web/vantrel-scorm-<version>.zip
    Checks a built package."""
import os
import subprocess
import sys
import tempfile
import urllib.parse
import zipfile
import xml.etree.ElementTree as ET

# The namespaces of IMS Content Packaging 1.1.2 and ADL's extension, as
# SCORM 1.2's packaging guide gives them.
CP = "{http://www.imsproject.org/xsd/imscp_rootv1p1p2}"
ADLCP = "{http://www.adlnet.org/xsd/adlcp_rootv1p2}"


def faults_of(package):
    """Every breach; nothing when the package is whole. Also the version."""
    with zipfile.ZipFile(package) as z:
        names = z.namelist()
        root = ET.fromstring(z.read("imsmanifest.xml"))
    shipped = set(names) - {"imsmanifest.xml"}
    faults = []
    if len(set(names)) != len(names) or any("/" in n for n in names):
        faults.append(f"not one flat folder of distinct names: {names}")
    if root.tag != CP + "manifest":
        faults.append(f"root element {root.tag}")
    if [root.findtext(f"{CP}metadata/{CP}schema"), root.findtext(f"{CP}metadata/{CP}schemaversion")] != ["ADL SCORM", "1.2"]:
        faults.append("not marked ADL SCORM 1.2")
    organizations = root.findall(f"{CP}organizations/{CP}organization")
    items = root.findall(f"{CP}organizations/{CP}organization/{CP}item")
    resources = root.findall(f"{CP}resources/{CP}resource")
    if (len(organizations), len(items), len(resources)) != (1, 1, 1):
        return faults + [f"{len(organizations)} organizations, {len(items)} items, {len(resources)} resources"], None
    if root.find(f"{CP}organizations").get("default") != organizations[0].get("identifier"):
        faults.append("the default organization is not the one there is")
    item, resource = items[0], resources[0]
    if item.get("identifierref") != resource.get("identifier"):
        faults.append("the item does not refer to the resource")
    if (resource.get(ADLCP + "scormtype"), resource.get("href")) != ("sco", "index.html"):
        faults.append("the resource is not a SCO launched from index.html")
    listed = [urllib.parse.unquote(f.get("href")) for f in resource.findall(f"{CP}file")]
    if len(set(listed)) != len(listed):
        faults.append("a file listed twice")
    faults += [f"{n}: in the zip, not listed" for n in sorted(shipped - set(listed))]
    faults += [f"{n}: listed, not in the zip" for n in sorted(set(listed) - shipped)]
    return faults, root.get("version")


def awkward(scorm_py):
    """Names and a version that break a manifest written without escaping."""
    version = "1.0<&\"'>"
    files = {"index.html": b"<!DOCTYPE html>", "a&b.js": b"1", "<x>.css": b"2", "with space.png": b"3",
             "100%.txt": b"4", "a%20b.js": b"5", "quote\"d.js": b"6", "caf\u00e9.js": b"7"}
    with tempfile.TemporaryDirectory() as scratch:
        paths = []
        for name, data in files.items():
            paths.append(os.path.join(scratch, name))
            with open(paths[-1], "wb") as f:
                f.write(data)
        package = os.path.join(scratch, "package.zip")
        subprocess.run([sys.executable, scorm_py, package, version, *paths], check=True)
        faults, written = faults_of(package)
        if written != version:
            faults.append(f"version {written!r} where {version!r} was given")
        with zipfile.ZipFile(package) as z:
            for name, data in files.items():
                if z.read(name) != data:
                    faults.append(f"{name}: not as given")
        # A clash of names or a manifest among the files is refused, not packed.
        for bad in ([paths[0], paths[0]], [paths[0], os.path.join(scratch, "imsmanifest.xml")], paths[1:]):
            if subprocess.run([sys.executable, scorm_py, package + ".bad", "1", *bad], capture_output=True).returncode == 0:
                faults.append(f"packed {[os.path.basename(p) for p in bad]}")
    return faults


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--zip":
        found = faults_of(sys.argv[2])[0]
    elif len(sys.argv) == 2:
        found = awkward(sys.argv[1])
    else:
        sys.exit(__doc__)
    print("\n".join(found) or "the manifest lists every file of the package")
    sys.exit(1 if found else 0)
