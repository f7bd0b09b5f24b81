// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every word the window shows or a screen reader speaks, and the one object
// that turns them into the user's language. Front ends hold no words of their
// own: they ask the session's Language for these.
//
// Translatable texts are marked for xgettext, which finds them with
//   --keyword=N_ --keyword=NC_:1c,2 --keyword=tr:1 --keyword=tr:1c,2
//   --keyword=trn:1,2 --add-comments=TRANSLATORS:
// The marks themselves do nothing: the lookup happens where a text is shown.
#pragma once

#include "window/elements.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// A translatable text kept for later lookup.
#define N_(msgid) msgid
// The same, for a text whose sense depends on where it stands.
#define NC_(context, msgid) ::vantrel::Msg(context, msgid)

namespace vantrel {

struct Frame;

// A text to translate, with the context that tells its senses apart.
struct Msg {
    constexpr Msg() = default;
    // Implicit: a plain text is a message without context.
    constexpr Msg(const char* msgid)
        : id(msgid)
    {
    }
    constexpr Msg(const char* ctx, const char* msgid)
        : context(ctx)
        , id(msgid)
    {
    }
    explicit constexpr operator bool() const { return id != nullptr; }

    const char* context = nullptr;
    const char* id = nullptr;
};

// The one way to a text in the user's language: English as written here,
// unless a catalog has the text.
class Language {
public:
    // The translation of a text (for `n` things where it has a plural form),
    // or nothing where the catalog has none.
    using Catalog = std::function<std::optional<std::string>(const char* context, const char* msgid,
                                                             const char* plural, unsigned long n)>;

    Language() = default;
    explicit Language(Catalog catalog);

    std::string tr(const char* msgid) const;
    std::string tr(const char* context, const char* msgid) const;
    std::string tr(const Msg& msg) const;
    // The form for `n` things: English has one for 1 and one for the rest.
    std::string trn(const char* singular, const char* plural, unsigned long n) const;

private:
    Catalog catalog_;
};

// A translated pattern with its places filled in, as C's printf numbers
// them: "%s" takes the next value, "%2$s" the second (up to nine), so that a
// translation may put them in any order; "%%" is a percent sign.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

// The program's name: never translated.
inline constexpr const char* kProgramName = "Vantrel";

// TRANSLATORS: cmdPlay's caption while the animation is paused; pressing it starts the animation.
inline constexpr const char* kPlay = N_("Play");
// TRANSLATORS: cmdPlay's caption while the animation runs; pressing it stops the animation.
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

// The read-out as a screen reader names it: the label painted in front of it
// and the read-out itself, "Phase Angle: 90 deg.".
std::string readOutName(const Language& language, std::string_view label, std::string_view readOut);

// The read-out's caption for whole degrees: "90 deg.".
std::string readOutCaption(const Language& language, long long degrees);

// The frame on screen in words: "Phase angle 90 degrees. Currents: R +1.00,
// Y -0.50, B -0.50. Field points left." Without a frame, how to draw one.
std::string spokenFrame(const Language& language, const std::optional<Frame>& frame);

} // namespace vantrel
