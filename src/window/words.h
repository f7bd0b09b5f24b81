// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every word the window shows or a screen reader speaks, and the one object
// that turns them into the user's language. Front ends hold no words of their
// own: they ask the session's Language for these. The marks that make a
// text translatable are in window/msg.h.
#pragma once

#include "window/catalog.h"
#include "window/elements.h"
#include "window/locales.h"
#include "window/msg.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

struct Frame;

// The one way to a text in the user's language: the language's compiled
// catalog where it has the text, English as written here where not.
class Language {
public:
    // English.
    Language();
    explicit Language(const LanguageDef& def);

    std::string tr(const char* msgid) const;
    std::string tr(const char* context, const char* msgid) const;
    std::string tr(const Msg& msg) const;
    // The form for `n` things, by the catalog's plural rule; English has one
    // for 1 and one for the rest.
    std::string trn(const char* singular, const char* plural, unsigned long n) const;

    const LanguageDef& def() const { return *def_; }
    // The decimal separator the language writes, '.' or ','.
    char decimalMark() const { return def_->decimalComma ? ',' : '.'; }

private:
    const LanguageDef* def_;
    std::optional<Catalog> catalog_;
};

// A translated pattern with its places {0} to {9} filled in, so that a
// translation may put them in any order.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

// An element's designed caption in the language. The conductors' names are
// the phases' and the box's text is a number: those stay as designed.
std::string captionOf(const Language& language, const ElementDef& def);

// The program's name: never translated.
inline constexpr const char* kProgramName = "Vantrel";

// TRANSLATORS: the Play button's caption while the animation is paused; pressing it starts the animation.
inline constexpr const char* kPlay = N_("Play");
// TRANSLATORS: the Play button's caption while the animation runs; pressing it stops the animation.
inline constexpr const char* kPause = N_("Pause");

// The About message box.
struct AboutWords {
    std::string title, text, ok;
};
AboutWords aboutWords(const Language& language);

// What a screen reader says of an element beyond its caption. Empty where
// the element has nothing more to say.
struct SpokenWords {
    Msg name;
    Msg description;
};
SpokenWords spokenWords(Id id);

// The animation as one picture: its name; its description is spokenFrame().
Msg sceneName();
// The page's one-line description, for search engines and link previews.
Msg pageDescription();
// The page's language chooser as a screen reader names it.
Msg languageChooserName();
// The page's switch to the high-contrast colours, as it reads and is named.
Msg highContrastCaption();
// What the desktop program's --high-contrast option does, as --help lists it.
Msg highContrastOption();

// The read-out as a screen reader names it: the label painted in front of it
// and the read-out itself, "Phase Angle: 90 deg.".
std::string readOutName(const Language& language, std::string_view label, std::string_view readOut);

// The read-out's caption for whole degrees: "90 deg.".
std::string readOutCaption(const Language& language, long long degrees);

// The frame on screen in words: "Phase angle 90 degrees. Currents: R +1.00,
// Y -0.50, B -0.50. Field points left." Without a frame, how to draw one.
std::string spokenFrame(const Language& language, const std::optional<Frame>& frame);

} // namespace vantrel
