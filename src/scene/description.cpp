#include "scene/description.h"

#include "scene/process.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace vantrel {
namespace {

// A fraction to two places with its sign; a current that rounds to nothing
// gets no sign, since "-0.00" would claim a direction it does not have.
QString signedFraction(double fraction)
{
    const long hundredths = std::lround(fraction * 100.0);
    const QChar sign = hundredths > 0 ? QLatin1Char('+') : hundredths < 0 ? QLatin1Char('-') : QChar();
    const long magnitude = std::labs(hundredths);
    QString text = QStringLiteral("%1.%2").arg(magnitude / 100).arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    return sign.isNull() ? text : sign + text;
}

// The phase value is the phasor's length with the chart's sign turned
// round: the curves are drawn as sin(argument / 100).
QString current(int argument) { return signedFraction(-phaseValue(argument) / 2000.0); }

// Eight directions, counter-clockwise from screen right, each covering 45
// degrees around its own.
QString direction(double dx, double dyDown)
{
    static const std::array<const char*, 8> words{
        "right", "up and right", "up", "up and left", "left", "down and left", "down", "down and right"};
    const double degrees = std::atan2(-dyDown, dx) * 180.0 / std::numbers::pi;
    const long sector = ((std::lround(degrees / 45.0) % 8) + 8) % 8;
    return QString::fromLatin1(words[static_cast<std::size_t>(sector)]);
}

} // namespace

QString describeFrame(std::int16_t angle, const SceneState& scene)
{
    const ElementState& field = scene[Id::LineW];
    // The frame update anchors the resultant at the centre; until it has run
    // the line still lies on its designed placeholder stroke.
    if (field.x1 != static_cast<float>(kPhasorCentre) || field.y1 != static_cast<float>(kPhasorCentre))
        return QStringLiteral("No frame drawn yet. Press Play or Set Angle to draw one.");

    const QString degrees = angleCaption(angle).section(QLatin1Char(' '), 0, 0);

    const double dx = double{field.x2} - kPhasorCentre;
    const double dy = double{field.y2} - kPhasorCentre;
    const QString fieldText = dx == 0 && dy == 0 ? QStringLiteral("Field is zero.")
                                                 : QStringLiteral("Field points %1.").arg(direction(dx, dy));

    const bool one = degrees == QLatin1String("1") || degrees == QLatin1String("-1");
    return QStringLiteral("Phase angle %1 %2. Currents: R %3, Y %4, B %5. %6")
        .arg(degrees, one ? QStringLiteral("degree") : QStringLiteral("degrees"), current(angle), current(angle - kPhaseOffset), current(angle + kPhaseOffset), fieldText);
}

} // namespace vantrel
