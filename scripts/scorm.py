# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page as a SCORM 1.2 package, for learning platforms such as Moodle;
the web preset's build runs it (src/web/CMakeLists.txt).

  scorm.py OUT.zip VERSION FILE...
    The files at the zip's root, beside imsmanifest.xml: one organization
    of one item, whose one resource is the page (index.html), a SCO, that
    lists every file of the zip but the manifest itself."""
import os
import sys
import urllib.parse
import zipfile
import xml.etree.ElementTree as ET

MANIFEST = "imsmanifest.xml"
CP = "http://www.imsproject.org/xsd/imscp_rootv1p1p2"
ADLCP = "http://www.adlnet.org/xsd/adlcp_rootv1p2"
XSI = "http://www.w3.org/2001/XMLSchema-instance"
SCHEMAS = " ".join([CP, "imscp_rootv1p1p2.xsd", "http://www.imsglobal.org/xsd/imsmd_rootv1p2p1",
                    "imsmd_rootv1p2p1.xsd", ADLCP, "adlcp_rootv1p2.xsd"])
TITLE = "Vantrel"
LAUNCH = "index.html"


def manifest(version, names):
    """The manifest in UTF-8; ElementTree escapes every value it writes."""
    ET.register_namespace("", CP)
    ET.register_namespace("adlcp", ADLCP)
    ET.register_namespace("xsi", XSI)
    # An identifier is an XML name: the version's dots are allowed in one.
    ident = "vantrel-" + "".join(c if c.isalnum() or c in ".-_" else "_" for c in version)
    root = ET.Element(f"{{{CP}}}manifest", {"identifier": ident, "version": version,
                                             f"{{{XSI}}}schemaLocation": SCHEMAS})
    metadata = ET.SubElement(root, f"{{{CP}}}metadata")
    ET.SubElement(metadata, f"{{{CP}}}schema").text = "ADL SCORM"
    ET.SubElement(metadata, f"{{{CP}}}schemaversion").text = "1.2"
    organizations = ET.SubElement(root, f"{{{CP}}}organizations", {"default": "vantrel-organization"})
    organization = ET.SubElement(organizations, f"{{{CP}}}organization", {"identifier": "vantrel-organization"})
    ET.SubElement(organization, f"{{{CP}}}title").text = TITLE
    item = ET.SubElement(organization, f"{{{CP}}}item", {"identifier": "vantrel-item", "identifierref": "vantrel-page"})
    ET.SubElement(item, f"{{{CP}}}title").text = f"{TITLE} {version}"
    resources = ET.SubElement(root, f"{{{CP}}}resources")
    resource = ET.SubElement(resources, f"{{{CP}}}resource", {"identifier": "vantrel-page", "type": "webcontent",
                                                              f"{{{ADLCP}}}scormtype": "sco", "href": LAUNCH})
    # An href is a URI: a name with a space or a percent sign is escaped as one.
    for name in names:
        ET.SubElement(resource, f"{{{CP}}}file", {"href": urllib.parse.quote(name)})
    ET.indent(root)
    return ET.tostring(root, encoding="UTF-8", xml_declaration=True) + b"\n"


def package(target, version, *files):
    names = sorted(os.path.basename(p) for p in files)
    if len(set(names)) != len(names) or MANIFEST in names or LAUNCH not in names:
        sys.exit(f"scorm.py: the files must have distinct names, {LAUNCH} among them and no {MANIFEST}")
    by_name = {os.path.basename(p): p for p in files}
    with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        z.writestr(MANIFEST, manifest(version, names))
        for name in names:
            z.write(by_name[name], name)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    package(*sys.argv[1:])
