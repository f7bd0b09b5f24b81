// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which language a student gets, the plural rules of the catalogs, and
// catalogs that are damaged: refused or read safely, never trusted.
#include "check.h"

#include "app/session.h"
#include "scene/anglerules.h"
#include "window/catalog.h"
#include "window/locales.h"
#include "window/words.h"

#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

using namespace vantrel;

namespace corecheck {
namespace {

void checkEnvironment()
{
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG, and the language gettext would
    // pick if every locale were installed.
    const struct { const char *language, *all, *messages, *lang, *want; } rows[] = {
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", "de"},
        {nullptr, nullptr, nullptr, "pt_BR.UTF-8", "pt_BR"},
        {nullptr, nullptr, nullptr, "pt_PT.UTF-8", "pt_BR"},
        {nullptr, nullptr, nullptr, "zh_TW.UTF-8", "en"},
        {nullptr, nullptr, nullptr, "zh_SG.UTF-8", "zh_CN"},
        {nullptr, nullptr, nullptr, "sr_RS@latin", "en"},
        {nullptr, "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8", "fr"},
        {nullptr, nullptr, "ru_RU.UTF-8", "de_DE.UTF-8", "ru"},
        {nullptr, "", "", "ar_EG.UTF-8", "ar"},
        {"hi:de", nullptr, nullptr, "en_US.UTF-8", "hi"},
        {"xx:yy:id", nullptr, nullptr, "de_DE.UTF-8", "id"},
        {"xx", nullptr, nullptr, "es_MX.UTF-8", "es"},
        // In the C locale gettext speaks English, whatever LANGUAGE asks.
        {"de", nullptr, nullptr, "C", "en"},
        {"de", nullptr, nullptr, nullptr, "en"},
        {"de", "POSIX", nullptr, nullptr, "en"},
        {"de", "C.UTF-8", nullptr, nullptr, "en"},
        {nullptr, nullptr, nullptr, "en_XA", "en_XA"},
        {nullptr, nullptr, nullptr, "_", "en"},
        {nullptr, nullptr, nullptr, "-.@", "en"},
    };
    for (const auto& r : rows) {
        const std::map<std::string, const char*> env{
            {"LANGUAGE", r.language}, {"LC_ALL", r.all}, {"LC_MESSAGES", r.messages}, {"LC_NUMERIC", nullptr},
            {"LANG", r.lang}};
        const LanguageDef& got = languageFromEnvironment([&](const char* name) { return env.at(name); });
        const std::string what = std::string("LANGUAGE=") + (r.language ? r.language : "-") +
                                 " LC_ALL=" + (r.all ? r.all : "-") + " LC_MESSAGES=" +
                                 (r.messages ? r.messages : "-") + " LANG=" + (r.lang ? r.lang : "-");
        line("environment " + what + " -> " + got.code);
        if (std::strcmp(got.code, r.want) != 0)
            fail("environment " + what + ", expected " + r.want);
    }
}

void checkPreferences()
{
    // The browser's languages, most wanted first.
    const struct { std::vector<std::string> tags; const char* want; } rows[] = {
        {{"pt-BR", "en"}, "pt_BR"}, {{"PT-br"}, "pt_BR"}, {{"pt_BR"}, "pt_BR"},
        {{"zh-Hant-TW", "zh-Hans-CN"}, "zh_CN"}, {{"zh-HK", "ja"}, "en"}, {{"zh"}, "zh_CN"},
        {{"nl", "de-AT"}, "de"}, {{"en-XA", "fr"}, "fr"}, {{}, "en"}, {{"", "<b>"}, "en"},
        {{"x-klingon", "ar-SA"}, "ar"}, {{"id-ID"}, "id"}, {{"in"}, "en"},
        {{"fr-CA", "", "de"}, "fr"}, {{"x", "", "en-XA", "ru"}, "ru"},
    };
    for (const auto& r : rows) {
        std::string what;
        for (const std::string& t : r.tags)
            what += (what.empty() ? "" : ",") + t;
        // As the page passes them: one from its address, or the browser's list.
        const LanguageDef& got = r.tags.size() == 1 ? languageFromPreferences(r.tags) : languageAskedFor(what);
        what = printable(what);
        line("preferences " + what + " -> " + got.code);
        if (std::strcmp(got.code, r.want) != 0)
            fail("preferences " + what + ", expected " + r.want);
    }
}

// The decimal mark by region, as CLDR's number symbols for Latin digits give
// it; a name without a region writes as the language's own. A region keeps
// its language's catalog and chooser entry.
void checkDecimalMarks()
{
    const struct { const char *name, *code; char mark; } rows[] = {
        {"es", "es", ','}, {"es-ES", "es", ','}, {"es_ES.UTF-8@euro", "es", ','}, {"es-MX", "es", '.'},
        {"es_MX.UTF-8", "es", '.'}, {"ES-mx", "es", '.'}, {"es-US", "es", '.'}, {"es_US.utf8", "es", '.'},
        {"es-419", "es", '.'}, {"es-PR", "es", '.'}, {"es_GT", "es", '.'}, {"es-Latn-MX", "es", '.'},
        {"es-MX-x-school", "es", '.'}, {"es-AR", "es", ','}, {"es_CO.UTF-8", "es", ','}, {"es-CL", "es", ','},
        {"es-UY", "es", ','}, {"es-VE", "es", ','}, {"de", "de", ','}, {"de-AT", "de", ','},
        {"de_CH.UTF-8", "de", '.'}, {"de-LI", "de", '.'}, {"de-CH-1996", "de", '.'}, {"fr-CA", "fr", ','},
        {"fr-BE", "fr", ','}, {"pt-PT", "pt_BR", ','}, {"pt_BR", "pt_BR", ','}, {"ru-UA", "ru", ','},
        {"id-ID", "id", ','}, {"ar", "ar", '.'}, {"ar-EG", "ar", '.'}, {"ar_SA.UTF-8", "ar", '.'},
        {"hi-IN", "hi", '.'}, {"zh-CN", "zh_CN", '.'}, {"zh-SG", "zh_CN", '.'}, {"en-XA", "en_XA", '.'},
    };
    for (const auto& r : rows) {
        const LanguageDef* def = findLanguage(r.name);
        const char mark = def ? Language(*def).decimalMark() : '?';
        line(std::string("decimal mark ") + r.name + " -> " + (def ? def->code : "none") + " " + mark);
        if (!def || std::strcmp(def->code, r.code) != 0 || mark != r.mark)
            fail(std::string("decimal mark of ") + r.name + ", expected " + r.code + " " + r.mark);
    }

    // Numbers as LC_NUMERIC's locale writes them (LC_ALL before it, LANG
    // after) where it is of the language chosen; else as the chosen name's region.
    const struct { const char *language, *all, *numeric, *lang; char mark; } env[] = {
        {nullptr, nullptr, nullptr, "es_MX.UTF-8", '.'},
        {"es", nullptr, nullptr, "es_MX.UTF-8", '.'},
        {"es_MX:es", nullptr, nullptr, "es_ES.UTF-8", ','},
        {"es_MX:es", nullptr, nullptr, "en_US.UTF-8", '.'},
        {"es", nullptr, nullptr, "en_US.UTF-8", ','},
        {nullptr, nullptr, "de_CH.UTF-8", "de_DE.UTF-8", '.'},
        {nullptr, "es_ES.UTF-8", "es_MX.UTF-8", "es_MX.UTF-8", ','},
        {"de", nullptr, "es_MX.UTF-8", "de_DE.UTF-8", ','},
        {"de_CH", nullptr, "C", "de_DE.UTF-8", '.'},
    };
    for (const auto& r : env) {
        const std::map<std::string, const char*> vars{{"LANGUAGE", r.language}, {"LC_ALL", r.all},
                                                      {"LC_MESSAGES", nullptr}, {"LC_NUMERIC", r.numeric},
                                                      {"LANG", r.lang}};
        const char got = Language(languageFromEnvironment([&](const char* name) { return vars.at(name); })).decimalMark();
        const std::string what = std::string("LANGUAGE=") + (r.language ? r.language : "-") + " LC_ALL=" +
                                 (r.all ? r.all : "-") + " LC_NUMERIC=" + (r.numeric ? r.numeric : "-") +
                                 " LANG=" + (r.lang ? r.lang : "-");
        line("decimal mark " + what + " -> " + got);
        if (got != r.mark)
            fail("decimal mark of " + what + ", expected " + r.mark);
    }

    // Set Angle as a region reads the box: 400,5 is a number in Spain, not in Mexico.
    for (const auto& [name, written] : {std::pair{"es-ES", "40,5"}, std::pair{"es-MX", "400,5"}}) {
        Session s;
        s.setLanguage(*findLanguage(name));
        s.textChanged("400,5");
        s.command(Command::SetAngle);
        line(std::string("set angle 400,5 in ") + name + " -> box " + printable(s.controls().angleText));
        if (s.controls().angleText != written)
            fail(std::string("Set Angle of 400,5 in ") + name + ", expected " + written);
    }
}

// Plural rules as the catalogs' headers state them, against the categories
// each language's grammar gives a count.
void checkPluralRules()
{
    const struct { const char* header; std::vector<std::pair<unsigned long, std::size_t>> forms; } rows[] = {
        {"Plural-Forms: nplurals=2; plural=(n != 1);\n", {{0, 1}, {1, 0}, {2, 1}, {11, 1}}},
        {"Plural-Forms: nplurals=2; plural=(n > 1);\n", {{0, 0}, {1, 0}, {2, 1}, {100, 1}}},
        {"Plural-Forms: nplurals=1; plural=0;\n", {{0, 0}, {1, 0}, {7, 0}}},
        {"Plural-Forms: nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || "
         "n%100>=20) ? 1 : 2);\n",
         {{1, 0}, {21, 0}, {101, 0}, {2, 1}, {4, 1}, {22, 1}, {5, 2}, {11, 2}, {12, 2}, {14, 2}, {111, 2}, {0, 2}}},
        {"Plural-Forms: nplurals=6; plural=n==0 ? 0 : n==1 ? 1 : n==2 ? 2 : n%100>=3 && n%100<=10 ? 3 : "
         "n%100>=11 ? 4 : 5;\n",
         {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {10, 3}, {103, 3}, {11, 4}, {99, 4}, {111, 4}, {100, 5}, {102, 5}}},
    };
    for (const auto& r : rows) {
        const std::optional<PluralRule> rule = PluralRule::parse(r.header);
        if (!rule) {
            fail("plural rule does not parse: " + printable(r.header));
            continue;
        }
        for (const auto& [n, want] : r.forms) {
            const std::size_t got = rule->form(n);
            line("plural " + printable(r.header) + " " + std::to_string(n) + " -> " + std::to_string(got));
            if (got != want)
                fail("plural " + std::to_string(n) + " in " + printable(r.header) + ", expected " +
                     std::to_string(want));
        }
    }
    // Rules a damaged or hostile header might hold are refused, not run.
    for (const char* bad : {"Plural-Forms: nplurals=2; plural=n/0;\n", "Plural-Forms: nplurals=2; plural=(n;\n",
                            "Plural-Forms: nplurals=0; plural=0;\n", "Plural-Forms: nplurals=99; plural=0;\n",
                            "Plural-Forms: nplurals=2; plural=n ? ;\n", "Plural-Forms: nplurals=2; plural=x;\n",
                            "Plural-Forms: nplurals=2;\n"}) {
        if (PluralRule::parse(bad))
            fail("a bad plural rule was taken: " + printable(bad));
    }
    std::string deep = "Plural-Forms: nplurals=2; plural=";
    deep += std::string(100000, '(') + "n" + std::string(100000, ')') + ";\n";
    if (PluralRule::parse(deep))
        fail("a rule nested 100000 deep was taken");
}

// The places {0} to {9} of a text, in order of their numbers: a translation
// may move them, but must keep each one, once.
std::string placesOf(std::string_view text)
{
    std::string places;
    for (char n = '0'; n <= '9'; ++n) {
        const std::string place = std::string("{") + n + "}";
        for (std::size_t at = text.find(place); at != std::string_view::npos; at = text.find(place, at + 1))
            places += place;
    }
    return places;
}

void checkPlaces(const char* code, const Catalog& catalog)
{
    for (std::size_t i = 0; i < catalog.size(); ++i) {
        const auto [original, translation] = catalog.at(i);
        if (original.empty())
            continue; // the header
        const std::string want = placesOf(original.substr(0, original.find('\0')));
        std::string_view forms = translation;
        for (;;) {
            const std::string_view form = forms.substr(0, forms.find('\0'));
            if (placesOf(form) != want)
                fail(std::string(code) + ": " + printable(form) + " does not keep the places of " +
                     printable(original));
            if (form.size() == forms.size())
                break;
            forms.remove_prefix(form.size() + 1);
        }
    }
}

// Every catalog the program carries reads, and no damage to one makes the
// program read outside it: cut short anywhere, or with any length word
// turned huge, it is refused or read within its bytes.
void checkCatalogs()
{
    for (const LanguageDef& def : languages()) {
        const std::span<const std::uint8_t> bytes = compiledCatalog(def.code);
        if (std::strcmp(def.code, "en") == 0) {
            if (!bytes.empty())
                fail("English has a catalog");
            continue;
        }
        const std::optional<Catalog> catalog = Catalog::parse(bytes);
        if (!catalog || catalog->size() < 2) {
            fail(std::string("the ") + def.code + " catalog does not read");
            continue;
        }
        line(std::string("catalog ") + def.code + ": " + std::to_string(catalog->size()) + " entries");
        checkPlaces(def.code, *catalog);
        std::size_t taken = 0;
        for (std::size_t length = 0; length < bytes.size(); length += 7)
            taken += Catalog::parse(bytes.first(length)).has_value();
        if (taken != 0)
            fail(std::string("a cut-short ") + def.code + " catalog was taken");
        std::vector<std::uint8_t> damaged(bytes.begin(), bytes.end());
        for (std::size_t at = 8; at + 4 <= damaged.size() && at < 28 + 16 * catalog->size(); at += 4) {
            const std::vector<std::uint8_t> keep(damaged.begin() + static_cast<long>(at),
                                                 damaged.begin() + static_cast<long>(at) + 4);
            std::memset(damaged.data() + at, 0xff, 4);
            if (const std::optional<Catalog> c = Catalog::parse(damaged))
                (void)c->find("Play"); // read within its bytes, as the sanitizers see
            std::copy(keep.begin(), keep.end(), damaged.begin() + static_cast<long>(at));
        }
    }
}

void checkPseudoLocale()
{
    const struct { const char *english, *want; } rows[] = {
        {"Play", "[Þļåý·~]"},
        {" deg.", " [ðéĝ.·~]"},
        {"Phase angle {0} degrees.", "[Þĥåšé åñĝļé {0} ðéĝŕééš.·~·~·~·~·]"},
        {"{1} and {0}", "[{1} åñð {0}·~]"},
        {"", ""},
        {"   ", "   "},
    };
    for (const auto& r : rows) {
        const std::string got = pseudoTranslate(r.english);
        line("pseudo " + printable(r.english) + " -> " + printable(got));
        if (got != r.want)
            fail("pseudo-locale of " + printable(r.english) + ", expected " + printable(r.want));
    }
}

// Set Angle in a language that writes a decimal comma, and the same text in
// English, which keeps its rules byte for byte.
void checkDecimalComma()
{
    const struct { const char* text; bool comma; std::optional<std::string> written; int angle; } rows[] = {
        {"400,5", true, "40,5", 71},       {"400,5", false, std::nullopt, 42}, {"1,5", true, std::nullopt, 3},
        {"1.5", true, std::nullopt, 3},    {"-90,25", true, std::nullopt, -157}, {"1,5,5", true, std::nullopt, 42},
        {"1.000,5", true, std::nullopt, 42}, {"360,1", true, "0,10000000000002274", 0},
        {",5", true, std::nullopt, 1},     {"1e3", true, "640", 1117},          {"1,5e3", true, "1140", 1989},
        {" 45,0 ", true, std::nullopt, 79}, {"20000,5", true, "19640,5", 42},   {"abc", true, std::nullopt, 42},
    };
    for (const auto& r : rows) {
        const SetAngleOutcome got = setAngleFromText(r.text, 42, r.comma);
        const std::string what = printable(r.text) + (r.comma ? " with a decimal comma" : " with a point");
        line("set angle " + what + " -> box " + (got.writtenText ? printable(*got.writtenText) : "unchanged") +
             ", angle " + std::to_string(got.angle));
        if (got.writtenText != r.written || got.angle != r.angle)
            fail("Set Angle " + what);
    }
}

// Switching languages mid-lesson keeps the animation as it was, and the
// button keeps its sense: a running animation still pauses on the next press.
void checkSwitching()
{
    for (const LanguageDef& def : languages()) {
        for (const bool running : {false, true}) {
            Session s;
            s.textChanged("90");
            s.command(Command::SetAngle);
            if (running)
                s.command(Command::PlayPause);
            s.tick();
            const AnimationState before = s.state();
            const Change change = s.setLanguage(def);
            const std::string what = std::string(def.code) + (running ? ", running" : ", paused");
            if (s.state().angle != before.angle || s.state().playing != before.playing || !change.language)
                fail("switching to " + what + " changed the animation or told nothing");
            s.command(Command::PlayPause);
            line("switch to " + what + ", then Play/Pause -> playing " + std::to_string(s.state().playing ? 1 : 0));
            if (s.state().playing != !running)
                fail("after switching to " + what + ", Play/Pause went the wrong way");
            if (s.scene()[Id::r1Caption].caption != "R1" || s.controls().angleText != "90")
                fail("switching to " + what + " translated a name or the box");
        }
    }
}

} // namespace

void checkLanguages()
{
    checkSwitching();
    checkDecimalComma();
    checkEnvironment();
    checkPreferences();
    checkDecimalMarks();
    checkPluralRules();
    checkCatalogs();
    checkPseudoLocale();
}

} // namespace corecheck
