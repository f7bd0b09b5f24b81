// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A catalog's source, read for the tests: what a translator wrote in
// po/<code>.po, as scripts/catalogs.py reads it with polib into the build's
// catalogs.json, and not through the program's compiled catalogs, so that
// the two can be held against each other.
#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace potest {

struct Entry {
    std::string context, id, plural;
    std::vector<std::string> strings; // msgstr, or msgstr[0], msgstr[1], ...
};

// Keyed by context and msgid; obsolete entries and the header are left out.
using Entries = std::map<std::pair<std::string, std::string>, Entry>;

// The catalog of one language as the build read it; empty if there is none.
inline Entries readCatalog(const QString& code)
{
    QFile file(QStringLiteral(VANTREL_CATALOGS_JSON));
    Entries entries;
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QJsonObject catalog = QJsonDocument::fromJson(file.readAll())[QStringLiteral("catalogs")][code].toObject();
    for (const QJsonValue& value : catalog[QStringLiteral("entries")].toArray()) {
        const QJsonObject o = value.toObject();
        Entry e{o[QStringLiteral("context")].toString().toStdString(), o[QStringLiteral("id")].toString().toStdString(),
                o[QStringLiteral("plural")].toString().toStdString(), {}};
        for (const QJsonValue& s : o[QStringLiteral("strings")].toArray())
            e.strings.push_back(s.toString().toStdString());
        entries[{e.context, e.id}] = std::move(e);
    }
    return entries;
}

} // namespace potest
