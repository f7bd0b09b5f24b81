// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/numbertext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// Floating-point to_chars came to libc++ with version 14: the browser
// edition's Emscripten 3.1.6 carries libc++ 13, which has it for integers
// only. libstdc++ has it from GCC 11 on, MinGW's included.
#ifndef VANTREL_FLOAT_TO_CHARS
#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
#define VANTREL_FLOAT_TO_CHARS 0
#else
#define VANTREL_FLOAT_TO_CHARS 1
#endif
#endif

namespace vantrel {
namespace {

// What QChar::isSpace() calls a blank, in UTF-8: \t to \r, the space, U+0085,
// and the Unicode space, line and paragraph separators.
constexpr std::array<std::string_view, 25> kBlanks{
    " ", "\t", "\n", "\v", "\f", "\r",
    "\xC2\x85", "\xC2\xA0", "\xE1\x9A\x80",
    "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85",
    "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A",
    "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE3\x80\x80"};

std::string_view trimmed(std::string_view s)
{
    for (bool again = true; again;) {
        again = false;
        for (std::string_view blank : kBlanks) {
            if (s.starts_with(blank)) {
                s.remove_prefix(blank.size());
                again = true;
            }
            if (s.ends_with(blank)) {
                s.remove_suffix(blank.size());
                again = true;
            }
        }
    }
    return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Beyond these decimal magnitudes no digits make a finite, non-zero double.
constexpr long long kTooLarge = 310;
constexpr long long kTooSmall = -400;

// digits x 10^exponent, to the nearest double. Written without a decimal
// point, the text reads the same in every C locale.
double fromDigits(std::string_view digits, long long exponent)
{
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
        ++exponent;
    }
    if (digits.empty())
        return 0;
    const long long magnitude = exponent + static_cast<long long>(digits.size());
    if (magnitude > kTooLarge)
        return HUGE_VAL;
    if (magnitude < kTooSmall)
        return 0;
    const std::string text = std::string(digits) + 'e' + std::to_string(exponent);
    return std::strtod(text.c_str(), nullptr);
}

// The nearest double to an unsigned number `s`, or nothing when `s` is not
// digits with an optional fraction and exponent.
std::optional<double> unsignedNumber(std::string_view s)
{
    std::size_t i = 0;
    std::string digits;
    long long exponent = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        digits.push_back(s[i]);
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i, --exponent)
            digits.push_back(s[i]);
    }
    if (digits.empty())
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (i == s.size() || !isDigit(s[i]))
            return std::nullopt;
        long long written = 0;
        // Past a billion the exponent alone decides: too large or zero.
        for (; i < s.size() && isDigit(s[i]); ++i)
            written = std::min(written * 10 + (s[i] - '0'), 1'000'000'000LL);
        exponent += negative ? -written : written;
    }
    if (i != s.size())
        return std::nullopt;
    return fromDigits(digits, exponent);
}

#if VANTREL_FLOAT_TO_CHARS

// The shortest text that reads back as `value`, and of those the nearest.
std::string shortestText(double value, bool positionally)
{
    // The longest: a sign, 17 digits, a point and "e-308"; or positionally
    // a sign, "0.0000" and 17 digits.
    std::array<char, 32> buffer{};
    const auto format = positionally ? std::chars_format::fixed : std::chars_format::scientific;
    const std::to_chars_result r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
    return std::string(buffer.data(), r.ptr);
}

#else

// What to_chars does, by hand, for a library without it: printf's digits
// at each precision, read back by strtod.
// The significant digits of `value` (positive, finite) rounded to
// `precision` places, and the decimal exponent of the first one.
struct Decimal {
    std::string digits;
    int exponent = 0;

    double value() const { return fromDigits(digits, exponent - static_cast<long long>(digits.size()) + 1); }
};

Decimal rounded(double value, int precision)
{
    // Whatever the C locale's decimal point, only the digits and the
    // exponent are read below.
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
    const std::string_view text(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    Decimal d;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (isDigit(text[i]))
            d.digits.push_back(text[i]);
    }
    const bool negative = i + 1 < text.size() && text[i + 1] == '-';
    for (i += 2; i < text.size(); ++i)
        d.exponent = d.exponent * 10 + (text[i] - '0');
    if (negative)
        d.exponent = -d.exponent;
    return d;
}

// One unit more or less in the last of the digits.
Decimal neighbour(Decimal d, bool up)
{
    std::size_t i = d.digits.size();
    while (i > 0) {
        char& c = d.digits[--i];
        if (up ? c != '9' : c != '0') {
            c = static_cast<char>(c + (up ? 1 : -1));
            break;
        }
        c = up ? '0' : '9';
    }
    if (up && d.digits.front() == '0') { // 999 became 000: 1000
        d.digits.insert(d.digits.begin(), '1');
        d.digits.pop_back();
        ++d.exponent;
    } else if (!up && d.digits.front() == '0') { // 100 became 099
        d.digits.erase(d.digits.begin());
        --d.exponent;
    }
    return d;
}

// The fewest digits that read back as `value` (positive, finite), and of
// those the nearest. The correctly rounded digits are the nearest; where
// they fall just outside the numbers that round to `value` (below a power
// of two that interval is lopsided), the neighbour on the other side may
// still fall inside it.
Decimal shortest(double value)
{
    for (int precision = 1; precision < 17; ++precision) {
        const Decimal d = rounded(value, precision);
        const double back = d.value();
        if (back == value)
            return d;
        if (const Decimal other = neighbour(d, back < value); other.value() == value)
            return other;
    }
    return rounded(value, 17);
}

std::string positional(const std::string& digits, int point)
{
    if (point <= 0)
        return "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    const auto before = static_cast<std::size_t>(point);
    if (before >= digits.size())
        return digits + std::string(before - digits.size(), '0');
    return digits.substr(0, before) + '.' + digits.substr(before);
}

std::string withExponent(const std::string& digits, int exponent)
{
    std::string text = digits.substr(0, 1);
    if (digits.size() > 1)
        text += '.' + digits.substr(1);
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "e-" : "e+";
    if (magnitude < 10)
        text += '0';
    return text + std::to_string(magnitude);
}


// The shortest text, positional or with an exponent, as to_chars writes it.
std::string shortestText(double value, bool positionally)
{
    const std::string sign = std::signbit(value) ? "-" : "";
    const double magnitude = std::abs(value);
    if (magnitude == 0)
        return sign + "0";
    Decimal d = shortest(magnitude);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return sign + (positionally ? positional(d.digits, d.exponent + 1) : withExponent(d.digits, d.exponent));
}

#endif

} // namespace

std::optional<double> textToNumber(std::string_view text)
{
    std::string_view s = trimmed(text);
    const bool negative = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '+' || s.front() == '-'))
        s.remove_prefix(1);
    const std::optional<double> magnitude = unsignedNumber(s);
    if (!magnitude || !std::isfinite(*magnitude))
        return std::nullopt;
    return negative ? -*magnitude : *magnitude;
}

std::string numberToText(double value)
{
    if (!std::isfinite(value))
        return {};
    // Positional for any magnitude a person types; the shortest form alone
    // would write 100000 as "1e+05". Below 1e15 a double's whole part is
    // exact, so the positional digits are the shortest ones too.
    const double magnitude = std::abs(value);
    return shortestText(value, magnitude == 0 || (magnitude >= 1e-5 && magnitude < 1e15));
}

} // namespace vantrel
