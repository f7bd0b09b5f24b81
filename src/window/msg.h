// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The marks that make a text translatable, apart from the Language that
// translates it, for the tables that only hold English texts for later.
//
// Translatable texts are marked for xgettext, which finds them with
//   --keyword=N_ --keyword=NC_:1c,2 --keyword=tr:1 --keyword=tr:1c,2
//   --keyword=trn:1,2 --add-comments=TRANSLATORS:
// The marks themselves do nothing: the lookup happens where a text is shown.
#pragma once

// A translatable text kept for later lookup.
#define N_(msgid) msgid
// The same, for a text whose sense depends on where it stands.
#define NC_(context, msgid) ::vantrel::Msg(context, msgid)

namespace vantrel {

// A text to translate, with the context that tells its senses apart.
struct Msg {
    constexpr Msg() = default;
    constexpr Msg(const char* msgid) // NOLINT: a plain text is a message without context
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

} // namespace vantrel
