// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/locales.h"

#include <array>
#include <cctype>
#include <vector>

namespace vantrel {
namespace {

// clang-format off
constexpr std::array<LanguageDef, 10> kLanguages{{
    {"en",    "en",    "English",             false, false},
    {"ar",    "ar",    "العربية",             false, true},
    {"de",    "de",    "Deutsch",             true,  false},
    {"es",    "es",    "Español",             true,  false},
    {"fr",    "fr",    "Français",            true,  false},
    {"hi",    "hi",    "हिन्दी",               false, false},
    {"id",    "id",    "Bahasa Indonesia",    true,  false},
    {"pt_BR", "pt-BR", "Português (Brasil)",  true,  false},
    {"ru",    "ru",    "Русский",             true,  false},
    {"zh_CN", "zh-CN", "中文（简体）",          false, false},
}};
// clang-format on
constexpr LanguageDef kPseudo{"en_XA", "en-XA", "English (pseudo-locale)", false, false};

// Each language again with the other decimal mark, for the regions below:
// the same catalog, chooser entry and tag.
constexpr std::array<LanguageDef, kLanguages.size()> kOtherMark = [] {
    std::array<LanguageDef, kLanguages.size()> all = kLanguages;
    for (LanguageDef& def : all)
        def.decimalComma = !def.decimalComma;
    return all;
}();

// The regions that write the decimal mark otherwise than their language's
// row above, where CLDR and glibc's locales agree: Spanish as Latin America
// (CLDR's 419), Mexico, the United States, Central America and the
// Caribbean write it with a point, German as Switzerland and Liechtenstein
// do. Where the two disagree the language's mark stays: Spanish of Cuba and
// Peru, French of Switzerland, Arabic of the Maghreb.
struct Region {
    std::string_view language, region;
};
constexpr std::array<Region, 12> kOtherMarkRegions{{
    {"es", "419"}, {"es", "MX"}, {"es", "US"}, {"es", "DO"}, {"es", "GT"}, {"es", "HN"},
    {"es", "NI"},  {"es", "PA"}, {"es", "PR"}, {"es", "SV"}, {"de", "CH"}, {"de", "LI"},
}};

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// "pt_BR.UTF-8@euro" and "pt-BR-x-foo" as language and region: "pt", "BR".
// A script subtag ("zh-Hant-TW") is returned apart.
struct Parts {
    std::string_view language, script, region;
};

Parts split(std::string_view name)
{
    name = name.substr(0, name.find_first_of(".@"));
    Parts p;
    std::size_t at = name.find_first_of("_-");
    p.language = name.substr(0, at);
    while (at != std::string_view::npos) {
        name.remove_prefix(at + 1);
        at = name.find_first_of("_-");
        const std::string_view sub = name.substr(0, at);
        if (sub.size() == 4 && p.script.empty() && p.region.empty())
            p.script = sub;
        else if ((sub.size() == 2 || sub.size() == 3) && p.region.empty())
            p.region = sub;
        else
            break; // variants and private use say nothing about the catalog
    }
    return p;
}

bool traditionalChinese(const Parts& p)
{
    if (!sameIgnoringCase(p.language, "zh"))
        return false;
    if (!p.script.empty())
        return sameIgnoringCase(p.script, "Hant");
    for (std::string_view r : {"TW", "HK", "MO"}) {
        if (sameIgnoringCase(p.region, r))
            return true;
    }
    return false;
}

// The row of kLanguages whose catalog a name asks for, or the pseudo-locale.
const LanguageDef* catalogFor(const Parts& want)
{
    if (want.language.empty() || traditionalChinese(want))
        return nullptr;
    if (sameIgnoringCase(want.language, "en") && sameIgnoringCase(want.region, "XA"))
        return &kPseudo;
    // The exact language and region first, then the language alone.
    const LanguageDef* byLanguage = nullptr;
    for (const LanguageDef& def : kLanguages) {
        const Parts have = split(def.code);
        if (!sameIgnoringCase(have.language, want.language))
            continue;
        if (sameIgnoringCase(have.region, want.region))
            return &def;
        if (!byLanguage)
            byLanguage = &def;
    }
    return byLanguage;
}

// A row of kLanguages as a region writes numbers.
const LanguageDef* inRegion(const LanguageDef* def, std::string_view region)
{
    if (!def || def == &kPseudo)
        return def;
    const std::string_view language = split(def->code).language;
    for (const Region& r : kOtherMarkRegions) {
        if (r.language == language && sameIgnoringCase(r.region, region))
            return &kOtherMark[static_cast<std::size_t>(def - kLanguages.data())];
    }
    return def;
}

} // namespace

std::span<const LanguageDef> languages() { return kLanguages; }
const LanguageDef& english() { return kLanguages[0]; }
const LanguageDef& pseudoLocale() { return kPseudo; }

const LanguageDef* findLanguage(std::string_view name)
{
    const Parts want = split(name);
    return inRegion(catalogFor(want), want.region);
}

const LanguageDef& languageFromEnvironment(const std::function<const char*(const char*)>& getenv)
{
    const auto value = [&](const char* name) -> std::string_view {
        const char* v = getenv(name);
        return v ? std::string_view(v) : std::string_view();
    };
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = value(name);
        if (!locale.empty())
            break;
    }
    // gettext ignores LANGUAGE in the C locale, where programs speak English.
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C."))
        return english();
    std::string_view chosen = locale;
    const LanguageDef* def = nullptr;
    for (std::string_view list = value("LANGUAGE"); !list.empty() && !def;) {
        const std::size_t colon = list.find(':');
        chosen = list.substr(0, colon);
        def = catalogFor(split(chosen));
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    if (!def) {
        chosen = locale;
        def = catalogFor(split(chosen));
    }
    if (!def)
        return english();
    // Numbers are written as LC_NUMERIC's locale says, when it is of the
    // same language; otherwise as the region of the name that chose it.
    std::string_view numeric;
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        numeric = value(name);
        if (!numeric.empty())
            break;
    }
    const Parts numbers = split(numeric);
    const bool sameLanguage = sameIgnoringCase(numbers.language, split(def->code).language);
    return *inRegion(def, (sameLanguage ? numbers : split(chosen)).region);
}

const LanguageDef& languageFromPreferences(std::span<const std::string> tags)
{
    for (const std::string& tag : tags) {
        const LanguageDef* def = findLanguage(tag);
        if (def && def != &kPseudo)
            return *def;
    }
    return english();
}

const LanguageDef& languageAskedFor(std::string_view tags)
{
    std::vector<std::string> list;
    for (std::string_view rest = tags; !rest.empty();) {
        const std::size_t comma = rest.find(',');
        list.emplace_back(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    const LanguageDef* one = list.size() == 1 ? findLanguage(list.front()) : nullptr;
    return one ? *one : languageFromPreferences(list);
}

std::string pseudoTranslate(std::string_view english)
{
    // Accented look-alikes of the ASCII letters, in UTF-8.
    static constexpr std::array<const char*, 26> kUpper{
        "Å", "Ɓ", "Ç", "Ð", "É", "Ƒ", "Ĝ", "Ĥ", "Î", "Ĵ", "Ķ", "Ļ", "Ṁ",
        "Ñ", "Ö", "Þ", "Ǫ", "Ŕ", "Š", "Ţ", "Û", "Ṽ", "Ŵ", "Ẋ", "Ý", "Ž"};
    static constexpr std::array<const char*, 26> kLower{
        "å", "ƀ", "ç", "ð", "é", "ƒ", "ĝ", "ĥ", "î", "ĵ", "ķ", "ļ", "ṁ",
        "ñ", "ö", "þ", "ǫ", "ŕ", "š", "ţ", "û", "ṽ", "ŵ", "ẋ", "ý", "ž"};
    const std::size_t lead = english.find_first_not_of(' ');
    if (lead == std::string_view::npos)
        return std::string(english);
    const std::size_t trail = english.find_last_not_of(' ') + 1;
    std::string out(english.substr(0, lead));
    out += "[";
    std::size_t letters = 0;
    for (std::size_t i = lead; i < trail; ++i) {
        const char c = english[i];
        if (c == '{' && i + 2 < trail && english[i + 2] == '}') {
            // A place for a value, {0} to {9}, stays as it is.
            out += english.substr(i, 3);
            i += 2;
            continue;
        }
        if (c >= 'A' && c <= 'Z')
            out += kUpper[static_cast<std::size_t>(c - 'A')];
        else if (c >= 'a' && c <= 'z')
            out += kLower[static_cast<std::size_t>(c - 'a')];
        else
            out += c;
        ++letters;
    }
    // Forty per cent longer, counted in characters, at least one more.
    const std::size_t extra = letters == 0 ? 0 : (letters * 2 + 4) / 5;
    for (std::size_t i = 0; i < extra; ++i)
        out += i % 2 ? "~" : "·";
    out += "]";
    out += english.substr(trail);
    return out;
}

} // namespace vantrel
