// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scene/anglerules.h"

#include "scene/numbertext.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

std::int16_t nextAngle(std::int16_t angle)
{
    // int arithmetic: 32767 + 1 must not wrap to -32768 before the test.
    const int next = int{angle} + 1;
    return next > kLastTick ? std::int16_t{0} : static_cast<std::int16_t>(next);
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

SetAngleOutcome setAngleFromText(std::string_view text, std::int16_t angle)
{
    SetAngleOutcome out{std::nullopt, angle};
    std::string current(text);

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

std::string angleText(std::int16_t angle)
{
    for (int places = 0; places <= 4; ++places) {
        const double scale = std::pow(10.0, places);
        const double degrees = std::round(angle / kEntryFactor * scale) / scale;
        if (nearestInt16(degrees * kEntryFactor) != angle)
            continue;
        // Written from whole hundredths, say, so that no locale's decimal mark
        // and no library's float formatting comes into it.
        const long long units = std::llround(degrees * scale);
        const std::string digits = std::to_string(units < 0 ? -units : units);
        const std::string sign = units < 0 ? "-" : "";
        if (places == 0)
            return sign + digits;
        const std::string padded = std::string(digits.size() <= std::size_t(places) ? places + 1 - digits.size() : 0, '0') + digits;
        const std::size_t point = padded.size() - std::size_t(places);
        return sign + padded.substr(0, point) + "." + padded.substr(point);
    }
    return numberToText(angle / kEntryFactor);
}

} // namespace vantrel

namespace vantrel {

SetAngleOutcome setAngleFromText(std::string_view text, std::int16_t angle, bool decimalComma)
{
    if (!decimalComma)
        return setAngleFromText(text, angle);
    // One comma and no point is a decimal comma; anything else reads as typed,
    // so "1.000,5" is no number, as it is none with a point alone.
    std::string asTyped(text);
    if (std::count(asTyped.begin(), asTyped.end(), ',') == 1 && asTyped.find('.') == std::string::npos)
        std::replace(asTyped.begin(), asTyped.end(), ',', '.');
    SetAngleOutcome out = setAngleFromText(asTyped, angle);
    if (out.writtenText)
        std::replace(out.writtenText->begin(), out.writtenText->end(), '.', ',');
    return out;
}

} // namespace vantrel
