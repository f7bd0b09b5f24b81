// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The arithmetic behind the tick and Set Angle, free of any window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The cycle's last tick: 2 pi in hundredths of a radian, 628.3, cut down.
inline constexpr int kLastTick = 628;

// The angle after one running tick: one more, back to 0 once past 628.
std::int16_t nextAngle(std::int16_t angle);

// The nearest 16-bit integer, an exact half going to the even neighbour;
// nothing when the result does not fit or the value is not finite.
std::optional<std::int16_t> nearestInt16(double value);

// Degrees to hundredths of a radian, as Set Angle enters them.
inline constexpr double kEntryFactor = 1.745;
// Hundredths of a radian per degree as the read-out divides by it: the same
// 100 pi / 180 = 1.74533, but cut to three places where Set Angle rounds it.
inline constexpr double kReadOutFactor = 1.744;

struct SetAngleOutcome {
    std::optional<std::string> writtenText; // set when the box's text was reduced by 360
    std::int16_t angle;
};

// What Set Angle does with the box's text (UTF-8): a number above 360 is
// reduced by 360 once and written back; the (reduced) degrees become the new
// angle when they convert and fit, otherwise the angle stays as it was.
SetAngleOutcome setAngleFromText(std::string_view text, std::int16_t angle);

// The shortest text, in whole degrees where they reach it, else with a
// decimal point, that Set Angle turns into this angle: a link to a moment
// comes back at the same tick, which the read-out's whole degrees often miss.
std::string angleText(std::int16_t angle);

// The same in a language that writes a decimal comma: the box takes a comma
// as well as a point, and a reduced number is written back with a comma.
SetAngleOutcome setAngleFromText(std::string_view text, std::int16_t angle, bool decimalComma);

} // namespace vantrel
