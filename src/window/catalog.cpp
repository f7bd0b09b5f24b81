// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/catalog.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace vantrel {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kMagicSwapped = 0xde120495;
// Deep enough for any real language's rule; a deeper one is refused rather
// than allowed to exhaust the stack.
constexpr int kMaxDepth = 64;

// The C subset that Plural-Forms uses: ?:, ||, &&, == !=, < <= > >=, + -,
// * / %, unary !, parentheses, n and decimal numbers. Unsigned arithmetic
// as gettext evaluates it; division by zero makes the rule invalid.
class Expression {
public:
    Expression(std::string_view text, unsigned long n)
        : text_(text)
        , n_(n)
    {
    }

    std::optional<unsigned long> evaluate()
    {
        const std::optional<unsigned long> v = conditional(0);
        skipBlanks();
        if (!v || pos_ != text_.size())
            return std::nullopt;
        return v;
    }

private:
    using Value = std::optional<unsigned long>;

    void skipBlanks()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n'))
            ++pos_;
    }

    bool take(std::string_view token)
    {
        skipBlanks();
        if (text_.substr(pos_, token.size()) != token)
            return false;
        pos_ += token.size();
        return true;
    }

    Value conditional(int depth)
    {
        if (depth > kMaxDepth)
            return std::nullopt;
        const Value test = binary(0, depth + 1);
        if (!test || !take("?"))
            return test;
        const Value yes = conditional(depth + 1);
        if (!yes || !take(":"))
            return std::nullopt;
        const Value no = conditional(depth + 1);
        if (!no)
            return std::nullopt;
        return *test ? yes : no;
    }

    // Binary operators by precedence, loosest first.
    Value binary(int level, int depth)
    {
        static constexpr std::string_view kLevels[][4] = {
            {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};
        if (depth > kMaxDepth)
            return std::nullopt;
        if (level == static_cast<int>(std::size(kLevels)))
            return unary(depth + 1);
        Value left = binary(level + 1, depth + 1);
        while (left) {
            std::string_view op;
            for (std::string_view candidate : kLevels[level]) {
                if (!candidate.empty() && peek(candidate)) {
                    op = candidate;
                    break;
                }
            }
            if (op.empty())
                break;
            take(op);
            const Value right = binary(level + 1, depth + 1);
            if (!right)
                return std::nullopt;
            left = apply(op, *left, *right);
        }
        return left;
    }

    // "<" must not take the first half of "<=", nor "|" of "||".
    bool peek(std::string_view token)
    {
        skipBlanks();
        if (text_.substr(pos_, token.size()) != token)
            return false;
        if (token.size() == 1 && pos_ + 1 < text_.size() && text_[pos_ + 1] == '=' && token != "=")
            return false;
        return true;
    }

    static Value apply(std::string_view op, unsigned long a, unsigned long b)
    {
        if (op == "||") return a || b;
        if (op == "&&") return a && b;
        if (op == "==") return a == b;
        if (op == "!=") return a != b;
        if (op == "<") return a < b;
        if (op == "<=") return a <= b;
        if (op == ">") return a > b;
        if (op == ">=") return a >= b;
        if (op == "+") return a + b;
        if (op == "-") return a - b;
        if (op == "*") return a * b;
        if (b == 0)
            return std::nullopt;
        return op == "/" ? a / b : a % b;
    }

    Value unary(int depth)
    {
        if (depth > kMaxDepth)
            return std::nullopt;
        if (take("!")) {
            const Value v = unary(depth + 1);
            return v ? Value(!*v) : std::nullopt;
        }
        if (take("(")) {
            const Value v = conditional(depth + 1);
            return v && take(")") ? v : std::nullopt;
        }
        if (take("n"))
            return n_;
        skipBlanks();
        unsigned long v = 0;
        const char* begin = text_.data() + pos_;
        const auto [end, ec] = std::from_chars(begin, text_.data() + text_.size(), v);
        if (ec != std::errc{} || end == begin)
            return std::nullopt;
        pos_ += static_cast<std::size_t>(end - begin);
        return v;
    }

    std::string_view text_;
    unsigned long n_;
    std::size_t pos_ = 0;
};

// The 32-bit word at `at` (within the data, as the caller has checked), in
// the byte order of the machine that wrote the catalog: the magic number
// read the other way round says it differs from little-endian.
std::uint32_t wordAt(std::span<const std::uint8_t> data, std::size_t at, bool swapped)
{
    const std::uint32_t v = std::uint32_t{data[at]} | std::uint32_t{data[at + 1]} << 8 |
                            std::uint32_t{data[at + 2]} << 16 | std::uint32_t{data[at + 3]} << 24;
    return swapped ? (v >> 24 | (v >> 8 & 0xff00) | (v << 8 & 0xff0000) | v << 24) : v;
}

// The value of "name=value;" in a header line, up to the semicolon.
std::optional<std::string_view> headerField(std::string_view header, std::string_view name)
{
    const std::size_t at = header.find(name);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = header.substr(at + name.size());
    const std::size_t end = rest.find_first_of(";\n");
    return rest.substr(0, end);
}

} // namespace

std::optional<PluralRule> PluralRule::parse(std::string_view header)
{
    const std::size_t line = header.find("Plural-Forms:");
    if (line == std::string_view::npos)
        return PluralRule{};
    const std::string_view field = header.substr(line, header.find('\n', line) - line);
    const std::optional<std::string_view> count = headerField(field, "nplurals=");
    const std::optional<std::string_view> rule = headerField(field, "plural=");
    std::size_t forms = 0;
    if (!count || !rule ||
        std::from_chars(count->data(), count->data() + count->size(), forms).ec != std::errc{} || forms < 1 ||
        forms > 6)
        return std::nullopt;
    PluralRule r;
    r.expression_ = *rule;
    r.forms_ = forms;
    // A rule that cannot be worked out for a count is refused whole.
    for (unsigned long n : {0UL, 1UL, 2UL, 5UL, 11UL, 21UL, 101UL, 111UL}) {
        if (!Expression(r.expression_, n).evaluate())
            return std::nullopt;
    }
    return r;
}

std::size_t PluralRule::form(unsigned long n) const
{
    if (expression_.empty())
        return n == 1 ? 0 : 1;
    const std::optional<unsigned long> v = Expression(expression_, n).evaluate();
    return v && *v < forms_ ? static_cast<std::size_t>(*v) : 0;
}

std::optional<Catalog> Catalog::parse(std::span<const std::uint8_t> mo)
{
    Catalog c;
    c.data_ = mo;
    if (mo.size() < 28)
        return std::nullopt;
    const std::uint32_t magic = wordAt(mo, 0, false);
    if (magic != kMagic && magic != kMagicSwapped)
        return std::nullopt;
    c.swapped_ = magic == kMagicSwapped;
    if (wordAt(mo, 4, c.swapped_) >> 16 != 0) // a major revision this reader does not know
        return std::nullopt;
    c.count_ = wordAt(mo, 8, c.swapped_);
    c.originals_ = wordAt(mo, 12, c.swapped_);
    c.translations_ = wordAt(mo, 16, c.swapped_);
    // Each table holds count pairs of 32-bit words, inside the data.
    for (std::size_t table : {c.originals_, c.translations_}) {
        if (table > mo.size() || c.count_ > (mo.size() - table) / 8)
            return std::nullopt;
    }
    for (std::size_t i = 0; i < c.count_; ++i) {
        if (!c.entry(c.originals_, i) || !c.entry(c.translations_, i))
            return std::nullopt;
    }
    // Binary search needs the originals in order.
    const auto singular = [&](std::size_t i) {
        const std::string_view original = *c.entry(c.originals_, i);
        return original.substr(0, original.find('\0'));
    };
    for (std::size_t i = 1; i < c.count_; ++i) {
        if (!(singular(i - 1) < singular(i)))
            return std::nullopt;
    }
    if (const std::optional<std::string_view> header = c.lookup("")) {
        const std::optional<PluralRule> rule = PluralRule::parse(*header);
        if (!rule)
            return std::nullopt;
        c.plural_ = *rule;
    }
    return c;
}

// A string of a table: its length and offset, and a NUL after it, all inside the data.
std::optional<std::string_view> Catalog::entry(std::size_t table, std::size_t i) const
{
    const std::size_t at = table + 8 * i;
    const std::size_t length = wordAt(data_, at, swapped_);
    const std::size_t offset = wordAt(data_, at + 4, swapped_);
    if (offset > data_.size() || length >= data_.size() - offset || data_[offset + length] != 0)
        return std::nullopt;
    return std::string_view(reinterpret_cast<const char*>(data_.data()) + offset, length);
}

std::pair<std::string_view, std::string_view> Catalog::at(std::size_t i) const
{
    if (i >= count_)
        return {};
    return {*entry(originals_, i), *entry(translations_, i)};
}

std::optional<std::string_view> Catalog::lookup(std::string_view key) const
{
    std::size_t low = 0, high = count_;
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        const std::string_view original = *entry(originals_, mid);
        // A plural entry's original is "singular\0plural": it is found by its singular.
        const std::string_view singular = original.substr(0, original.find('\0'));
        const int order = key.compare(singular);
        if (order == 0)
            return entry(translations_, mid);
        if (order < 0)
            high = mid;
        else
            low = mid + 1;
    }
    return std::nullopt;
}

std::optional<std::string_view> Catalog::find(std::string_view msgid) const
{
    const std::optional<std::string_view> t = lookup(msgid);
    // An empty translation means untranslated, as gettext treats it.
    if (!t || t->empty() || msgid.empty())
        return std::nullopt;
    return t->substr(0, t->find('\0'));
}

std::optional<std::string_view> Catalog::find(std::string_view context, std::string_view msgid) const
{
    std::string key;
    key.reserve(context.size() + 1 + msgid.size());
    key.append(context).append(1, '\x04').append(msgid);
    const std::optional<std::string_view> t = lookup(key);
    if (!t || t->empty())
        return std::nullopt;
    return t->substr(0, t->find('\0'));
}

std::optional<std::string_view> Catalog::findPlural(std::string_view singular, unsigned long n) const
{
    std::optional<std::string_view> forms = lookup(singular);
    if (!forms || forms->empty())
        return std::nullopt;
    // The forms stand one after the other, each ended by a NUL but the last.
    std::string_view rest = *forms;
    for (std::size_t i = plural_.form(n); i > 0; --i) {
        const std::size_t end = rest.find('\0');
        if (end == std::string_view::npos)
            return std::nullopt;
        rest.remove_prefix(end + 1);
    }
    rest = rest.substr(0, rest.find('\0'));
    if (rest.empty())
        return std::nullopt;
    return rest;
}

} // namespace vantrel
