// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/words.h"

#include "scene/description.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace vantrel {

Language::Language()
    : Language(english())
{
}

Language::Language(const LanguageDef& def)
    : def_(&def)
    , catalog_(Catalog::parse(compiledCatalog(def.code)))
{
}

std::string Language::tr(const char* msgid) const { return tr(nullptr, msgid); }

std::string Language::tr(const char* context, const char* msgid) const
{
    if (!msgid)
        return {};
    if (def_ == &pseudoLocale())
        return pseudoTranslate(msgid);
    if (catalog_) {
        const std::optional<std::string_view> t = context ? catalog_->find(context, msgid) : catalog_->find(msgid);
        if (t)
            return std::string(*t);
    }
    return msgid;
}

std::string Language::tr(const Msg& msg) const { return tr(msg.context, msg.id); }

std::string Language::trn(const char* singular, const char* plural, unsigned long n) const
{
    if (def_ == &pseudoLocale())
        return pseudoTranslate(n == 1 ? singular : plural);
    if (catalog_) {
        if (const std::optional<std::string_view> t = catalog_->findPlural(singular, n))
            return std::string(*t);
    }
    return n == 1 ? singular : plural;
}

std::string captionOf(const Language& language, const ElementDef& def)
{
    if (!def.caption)
        return {};
    switch (def.id) {
    case Id::r1Caption: case Id::r2Caption: case Id::y1Caption:
    case Id::y2Caption: case Id::b1Caption: case Id::b2Caption:
    case Id::angleBox:
        return def.caption;
    default:
        return language.tr(def.caption);
    }
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool place = pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 1] >= '0' &&
                           pattern[i + 1] <= '9' && pattern[i + 2] == '}';
        const auto which = place ? static_cast<std::size_t>(pattern[i + 1] - '0') : values.size();
        if (which < values.size()) {
            out += values.begin()[which];
            i += 2;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

AboutWords aboutWords(const Language& language)
{
    // TRANSLATORS: the About message. The designed text starts with a blank; keep it.
    const char* text = N_(" This demo is developed by Oskendar");
    // TRANSLATORS: the one button of the About message box.
    return {kProgramName, language.tr(text), language.tr("message box", "OK")};
}

SpokenWords spokenWords(Id id)
{
    switch (id) {
    case Id::angleBox:
        // TRANSLATORS: the angle box's name for a screen reader; it has no caption of its own.
        return {N_("Angle in degrees"), N_("Type an angle and press Enter to show it")};
    case Id::aboutButton:
        // TRANSLATORS: the About picture, which works as a button, as a screen reader names it.
        return {NC_("picture button", "About"), N_("Shows who made this demo")};
    case Id::legendBox:
        // TRANSLATORS: the legend "Current Direction" in words; its marks are painted.
        return {{}, N_("A dot in a conductor means current upwards, a cross downwards.")};
    default:
        return {};
    }
}

// TRANSLATORS: the animation's name for a screen reader.
Msg sceneName() { return N_("Rotating magnetic field"); }

// TRANSLATORS: the web page's description, shown by search engines and link previews.
Msg pageDescription() { return N_("Watch three phase currents build a rotating magnetic field"); }

// TRANSLATORS: the page's list of languages, each named in its own language.
Msg languageChooserName() { return N_("Language"); }

// TRANSLATORS: the caption and name of the page's switch to colours that a
// washed-out projector still shows: black on white, the phases darker.
Msg highContrastCaption() { return N_("High contrast"); }

// TRANSLATORS: what the desktop program's --high-contrast option does, as --help lists it.
Msg highContrastOption() { return N_("Start in high contrast, for a projector"); }

std::string readOutName(const Language& language, std::string_view label, std::string_view readOut)
{
    // TRANSLATORS: the angle read-out as a screen reader names it: {0} is the
    // label in front of it ("Phase Angle:"), {1} the read-out ("90 deg.").
    return fillIn(language.tr("read-out name", "{0} {1}"), {label, readOut});
}

std::string readOutCaption(const Language& language, long long degrees)
{
    // TRANSLATORS: the unit after the phase angle in the read-out, "90 deg.";
    // the designed text starts with a blank.
    return std::to_string(degrees) + language.tr(N_(" deg."));
}

namespace {

// A fraction of the peak to two places with its sign; a current that rounds
// to nothing gets no sign, since "-0.00" would claim a direction it does not have.
std::string signedFraction(long hundredths, char decimalMark)
{
    const long magnitude = std::labs(hundredths);
    const std::string sign = hundredths > 0 ? "+" : hundredths < 0 ? "-" : "";
    const long cents = magnitude % 100;
    return sign + std::to_string(magnitude / 100) + std::string(1, decimalMark) + (cents < 10 ? "0" : "") + std::to_string(cents);
}

// Counter-clockwise from screen right, in eighths of a turn.
constexpr std::array<const char*, 8> kFieldPoints{
    // TRANSLATORS: where the field vector points on the screen, one of eight directions.
    N_("Field points right."),
    N_("Field points up and right."),
    N_("Field points up."),
    N_("Field points up and left."),
    N_("Field points left."),
    N_("Field points down and left."),
    N_("Field points down."),
    N_("Field points down and right."),
};

} // namespace

std::string spokenFrame(const Language& language, const std::optional<Frame>& frame)
{
    if (!frame)
        return language.tr(N_("No frame drawn yet. Press Play or Set Angle to draw one."));

    const FrameFacts facts = frameFacts(*frame);
    const auto magnitude = static_cast<unsigned long>(facts.degrees < 0 ? -facts.degrees : facts.degrees);
    const std::string angle = fillIn(
        // TRANSLATORS: {0} is the phase angle in whole degrees with its sign,
        // as the read-out shows it; the form is chosen by its size. Where no
        // form of "degree" suits every count, a wording without one may serve
        // every form: "Phase angle in degrees: {0}.".
        language.trn("Phase angle {0} degree.", "Phase angle {0} degrees.", magnitude), {std::to_string(facts.degrees)});
    // TRANSLATORS: R, Y and B name the three phases and stay as they are; each
    // current is a signed fraction of its peak, "+1.00".
    const std::string currents = fillIn(language.tr("Currents: R {0}, Y {1}, B {2}."),
                                        {signedFraction(facts.currents[R], language.decimalMark()),
                                         signedFraction(facts.currents[Y], language.decimalMark()),
                                         signedFraction(facts.currents[B], language.decimalMark())});
    const std::string field = facts.direction
                                  ? language.tr(kFieldPoints[static_cast<std::size_t>(*facts.direction)])
                                  // TRANSLATORS: the three currents cancel out.
                                  : language.tr(N_("Field is zero."));
    // TRANSLATORS: the spoken frame's three sentences in order: the angle, the
    // currents, the field. Change the blanks where sentences are not set apart by them.
    return fillIn(language.tr("spoken frame", "{0} {1} {2}"), {angle, currents, field});
}

} // namespace vantrel
