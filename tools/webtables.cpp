// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the page's fixed tables as a script on standard output, or with
// "manifest TAG" the web manifest in that language. What breaks the page
// contract is not written: the build stops instead.
#include "web/pagetables.h"

#include <cstdio>
#include <string_view>

namespace {

int print(const vantrel::page::PageWriter& out, const char* format)
{
    if (!out.fault().empty()) {
        std::fprintf(stderr, "webtables: breaks the page contract: %s\n", out.fault().c_str());
        return 1;
    }
    std::printf(format, out.text().c_str());
    return std::ferror(stdout) ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace vantrel;
    if (argc == 3 && std::string_view(argv[1]) == "manifest") {
        const LanguageDef* def = findLanguage(argv[2]);
        return def ? print(page::manifest(*def), "%s\n") : 2;
    }
    if (argc != 1)
        return 2;
    return print(page::tables(), "// Written at build time by tools/webtables.cpp from the designed window.\n"
                                 "var vantrelTables = %s;\n");
}
