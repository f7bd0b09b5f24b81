#include "app/anglerules.h"

#include <array>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <cmath>
#include <string>

namespace vantrel {

std::int16_t nextAngle(std::int16_t angle)
{
    // int arithmetic: 32767 + 1 must not wrap to -32768 before the test.
    const int next = int{angle} + 1;
    return next > 628 ? std::int16_t{0} : static_cast<std::int16_t>(next);
}

std::optional<double> textToNumber(QStringView text)
{
    const QString trimmed = text.trimmed().toString();
    std::string s;
    s.reserve(static_cast<std::size_t>(trimmed.size()));
    for (QChar c : trimmed) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        s.push_back(static_cast<char>(c.unicode()));
    }

    std::size_t start = 0;
    if (!s.empty() && (s[0] == '+' || s[0] == '-'))
        start = 1;
    // from_chars would also take "inf", "nan" and a second sign; a plain
    // number starts with a digit or a point followed by a digit.
    const auto isDigit = [&](std::size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    if (!isDigit(start) && !(start < s.size() && s[start] == '.' && isDigit(start + 1)))
        return std::nullopt;

    // from_chars rejects a leading '+', so parse from after it.
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    const char* last = s.data() + s.size();
    double value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (end != last)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // from_chars gives up on a number too close to zero as well as on one
        // too large; the first is still a number, and reads as zero.
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
        value = strtod_l(s.c_str(), nullptr, cLocale);
    } else if (ec != std::errc{}) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

QString numberToText(double value)
{
    // Positional for any magnitude a person types; the shortest form alone
    // would write 100000 as "1e+05".
    const double magnitude = std::abs(value);
    const bool positional = magnitude == 0 || (magnitude >= 1e-5 && magnitude < 1e15);
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         positional ? std::chars_format::fixed : std::chars_format::scientific);
    if (ec != std::errc{})
        return {};
    return QString::fromLatin1(buffer.data(), static_cast<qsizetype>(end - buffer.data()));
}

std::optional<std::int16_t> nearestInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value); // the default mode rounds halves to even
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

SetAngleOutcome setAngleFromText(const QString& text, std::int16_t angle)
{
    SetAngleOutcome out{std::nullopt, angle};
    QString current = text;

    // Only numbers above 360 are reduced, and only by one turn: 1000 becomes 640.
    const std::optional<double> first = textToNumber(current);
    if (first && *first > 360.0) {
        current = numberToText(*first - 360.0);
        out.writtenText = current;
    }

    // The angle is taken from the text as it now stands in the box.
    if (const std::optional<double> degrees = textToNumber(current)) {
        if (const std::optional<std::int16_t> a = nearestInt16(*degrees * kEntryFactor))
            out.angle = *a;
    }
    return out;
}

} // namespace vantrel
