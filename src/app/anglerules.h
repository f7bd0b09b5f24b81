// The arithmetic behind the tick and Set Angle, free of any window.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace vantrel {

// The angle after one running tick: one more, back to 0 once past 628.
std::int16_t nextAngle(std::int16_t angle);

// A plain decimal number: optional sign, digits with an optional fraction
// and exponent, surrounding blanks ignored. Anything else, and any number too
// large for a double, does not convert; one too close to zero reads as zero.
std::optional<double> textToNumber(QStringView text);

// The shortest text that reads back as exactly the same number: positional
// from 1e-5 to 1e15, with an exponent beyond; whole numbers have no fraction.
QString numberToText(double value);

// The nearest 16-bit integer, an exact half going to the even neighbour;
// nothing when the result does not fit or the value is not finite.
std::optional<std::int16_t> nearestInt16(double value);

// Degrees to hundredths of a radian, as Set Angle enters them.
inline constexpr double kEntryFactor = 1.745;

struct SetAngleOutcome {
    std::optional<QString> writtenText; // set when the box's text was reduced by 360
    std::int16_t angle;
};

// What Set Angle does with the box's text: a number above 360 is reduced by
// 360 once and written back; the (reduced) degrees become the new angle when
// they convert and fit, otherwise the angle stays as it was.
SetAngleOutcome setAngleFromText(const QString& text, std::int16_t angle);

} // namespace vantrel
