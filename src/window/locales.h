// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The languages the program speaks, and which one a student gets: from the
// environment on the desktop, as gettext chooses, or from the page's address
// and the browser's languages.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel {

struct LanguageDef {
    const char* code;       // as gettext names catalogs: "pt_BR"
    const char* tag;        // as BCP 47 and <html lang> name it: "pt-BR"
    const char* nativeName; // as its speakers call it, for the chooser
    bool decimalComma;      // writes 40,5 for 40.5, in the region asked for
    bool rightToLeft;
};

// English first, then every language with a catalog; the testers'
// pseudo-locale is not among them.
std::span<const LanguageDef> languages();
const LanguageDef& english();
// en_XA: every letter accented, each text 40 % longer and bracketed, so
// that an untranslated or cut-off text shows at once.
const LanguageDef& pseudoLocale();

// The language a locale name or language tag asks for, in any of the forms
// "pt_BR", "pt-BR", "pt_BR.UTF-8@euro", "pt-br" or "pt"; nullptr where none
// fits. A tag that names only a language takes that language's catalog;
// Chinese written in traditional characters takes none. A region that writes
// the decimal mark otherwise than the language's row ("es-MX", "de_CH")
// gets the language with that mark: the same code, tag and catalog.
const LanguageDef* findLanguage(std::string_view name);

// gettext's order: LANGUAGE's list first (unless the locale is C or
// POSIX), then LC_ALL, LC_MESSAGES and LANG, the first that is set. Unlike
// gettext it needs no installed locale. English where nothing fits. The
// decimal mark is the region's of LC_ALL, LC_NUMERIC or LANG, the first set,
// where that locale is of the same language; else of the name that chose it.
const LanguageDef& languageFromEnvironment(const std::function<const char*(const char*)>& getenv);

// The first of the browser's preferred languages that fits, else English.
const LanguageDef& languageFromPreferences(std::span<const std::string> tags);

// What a page asks for: one name from its address ("pt-BR", "pt_BR", the
// testers' "en-XA"), or the browser's languages, most wanted first, separated
// by commas.
const LanguageDef& languageAskedFor(std::string_view tags);

// The compiled catalog of a language; empty for English and the pseudo-locale.
std::span<const std::uint8_t> compiledCatalog(std::string_view code);

// English text as the pseudo-locale shows it. The places for values ({0})
// and the blanks at either end stay as they are.
std::string pseudoTranslate(std::string_view english);

} // namespace vantrel
