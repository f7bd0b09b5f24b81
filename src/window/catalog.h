// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A compiled gettext catalog (a .mo file, as msgfmt writes it), read in place.
// Both editions carry the same compiled catalogs inside the program, so the
// page reads no file at run time and the desktop needs no installed locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace vantrel {

// Which plural form a count takes, as the catalog's Plural-Forms header
// says: a C expression in n, such as "n%10==1 && n%100!=11 ? 0 : 1".
class PluralRule {
public:
    // English's rule: one form for 1, the other for every other count.
    PluralRule() = default;
    // Nothing when the header's expression does not parse.
    static std::optional<PluralRule> parse(std::string_view header);

    // The form's index for n, within 0 .. forms() - 1.
    std::size_t form(unsigned long n) const;
    std::size_t forms() const { return forms_; }

private:
    std::string_view expression_; // empty: English's rule
    std::size_t forms_ = 2;
};

class Catalog {
public:
    // Nothing when the bytes are not a well-formed catalog: every offset and
    // length is checked against the data, none is trusted. The bytes must
    // outlive the catalog.
    static std::optional<Catalog> parse(std::span<const std::uint8_t> mo);

    // The translation of msgid (in a context, when one is given), or nothing
    // when the catalog has none.
    std::optional<std::string_view> find(std::string_view msgid) const;
    std::optional<std::string_view> find(std::string_view context, std::string_view msgid) const;
    // The form of a plural pair for the count n.
    std::optional<std::string_view> findPlural(std::string_view singular, unsigned long n) const;

    std::size_t size() const { return count_; }
    // The i-th original and its translation, in the catalog's order; a plural
    // entry's forms stand one after the other, each ended by a NUL.
    std::pair<std::string_view, std::string_view> at(std::size_t i) const;

private:
    std::optional<std::string_view> lookup(std::string_view key) const;
    std::optional<std::string_view> entry(std::size_t table, std::size_t i) const;

    std::span<const std::uint8_t> data_;
    bool swapped_ = false;
    std::size_t count_ = 0;
    std::size_t originals_ = 0;
    std::size_t translations_ = 0;
    PluralRule plural_;
};

} // namespace vantrel
