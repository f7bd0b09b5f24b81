// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A catalog's source, read for the tests: what a translator wrote in
// po/<code>.po, taken straight from the text and not through the program's
// compiled catalogs, so that the two can be held against each other.
#pragma once

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace potest {

struct Entry {
    std::string context, id, plural;
    std::vector<std::string> strings; // msgstr, or msgstr[0], msgstr[1], ...
};

// Keyed by context and msgid; obsolete (#~) entries are left out.
using Entries = std::map<std::pair<std::string, std::string>, Entry>;

inline std::string unquote(const std::string& line)
{
    const std::size_t open = line.find('"');
    const std::size_t close = line.rfind('"');
    std::string out;
    if (open == std::string::npos || close <= open)
        return out;
    for (std::size_t i = open + 1; i < close; ++i) {
        if (line[i] != '\\' || i + 1 >= close) {
            out += line[i];
            continue;
        }
        const char c = line[++i];
        out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return out;
}

inline Entries readPo(const std::string& path)
{
    Entries entries;
    std::ifstream in(path);
    Entry e;
    std::string* last = nullptr;
    const auto flush = [&] {
        if (!e.id.empty() || !e.strings.empty())
            entries[{e.context, e.id}] = e;
        e = Entry{};
        last = nullptr;
    };
    bool sawString = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("#~", 0) == 0 || (line.rfind('#', 0) == 0 && !line.empty()))
            continue;
        const auto starts = [&](const char* key) { return line.rfind(key, 0) == 0; };
        if (starts("msgctxt") || (starts("msgid ") && sawString)) {
            flush();
            sawString = false;
        }
        if (starts("msgctxt")) {
            e.context = unquote(line);
            last = &e.context;
        } else if (starts("msgid_plural")) {
            e.plural = unquote(line);
            last = &e.plural;
        } else if (starts("msgid")) {
            e.id = unquote(line);
            last = &e.id;
        } else if (starts("msgstr")) {
            e.strings.push_back(unquote(line));
            last = &e.strings.back();
            sawString = true;
        } else if (starts("\"") && last) {
            *last += unquote(line);
        }
    }
    flush();
    return entries;
}

} // namespace potest
