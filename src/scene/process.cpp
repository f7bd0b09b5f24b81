#include "scene/process.h"

#include <cmath>

namespace vantrel {
namespace {

// Below -kThreshold the first conductor shows a cross, above +kThreshold a dot;
// smaller currents show nothing.
constexpr double kThreshold = 120.0;

struct Phase {
    int offset;
    Id cross1a, cross1b, dot1; // first conductor
    Id cross2a, cross2b, dot2; // second conductor
    Id phasor;
};

constexpr Phase kR{0, Id::Lr1, Id::Lr2, Id::Dr, Id::Lrr1, Id::Lrr2, Id::Drr, Id::LineR};
constexpr Phase kY{-kPhaseOffset, Id::Ly1, Id::Ly2, Id::Dy, Id::Lyy1, Id::Lyy2, Id::Dyy, Id::LineY};
constexpr Phase kB{kPhaseOffset, Id::Lb1, Id::Lb2, Id::Db, Id::Lbb1, Id::Lbb2, Id::Dbb, Id::LineB};

// The second conductor carries the same current the other way, so it shows
// the opposite mark.
void setMarks(const Phase& p, bool firstCross, bool firstDot, SceneState& s)
{
    s[p.cross1a].visible = firstCross;
    s[p.cross1b].visible = firstCross;
    s[p.dot2].visible = firstCross;
    s[p.dot1].visible = firstDot;
    s[p.cross2a].visible = firstDot;
    s[p.cross2b].visible = firstDot;
}

void drawMarks(const Phase& p, double v, SceneState& s)
{
    if (v < -kThreshold)
        setMarks(p, true, false, s);
    else if (v > kThreshold)
        setMarks(p, false, true, s);
    else if (-kThreshold < v && v < kThreshold)
        setMarks(p, false, false, s);
    // Exactly on a threshold: leave the marks as the previous frame drew them.
}

// End point of a phasor of length v; the three lie 120 degrees apart on screen.
void drawPhasor(const Phase& p, double v, SceneState& s)
{
    ElementState& line = s[p.phasor];
    line.x1 = static_cast<float>(kPhasorCentre);
    line.y1 = static_cast<float>(kPhasorCentre);
    if (p.phasor == Id::LineR) {
        line.x2 = static_cast<float>(kPhasorCentre + v);
        line.y2 = static_cast<float>(kPhasorCentre);
    } else if (p.phasor == Id::LineY) {
        line.x2 = static_cast<float>(kPhasorCentre - v / 2);
        line.y2 = static_cast<float>(kPhasorCentre + v * 0.866);
    } else {
        line.x2 = static_cast<float>(kPhasorCentre - v / 2);
        line.y2 = static_cast<float>(kPhasorCentre - v * 0.866);
    }
}

void drawPhase(const Phase& p, std::int16_t angle, SceneState& s)
{
    const double v = phaseValue(int{angle} + p.offset);
    drawMarks(p, v, s);
    drawPhasor(p, v, s);
}

// The resultant is summed from what the phasor lines hold, after their
// 32-bit rounding, not from the phase values.
void drawResultant(SceneState& s)
{
    const ElementState& r = s[Id::LineR];
    const ElementState& y = s[Id::LineY];
    const ElementState& b = s[Id::LineB];
    ElementState& w = s[Id::LineW];
    w.x1 = static_cast<float>(kPhasorCentre);
    w.y1 = static_cast<float>(kPhasorCentre);
    w.x2 = static_cast<float>(double{r.x2} + double{y.x2} + double{b.x2} - 2 * kPhasorCentre);
    w.y2 = static_cast<float>(double{r.y2} + double{y.y2} + double{b.y2} - 2 * kPhasorCentre);
}

} // namespace

double phaseValue(int argument)
{
    return -1.0 * std::floor(2000.0 * std::sin(argument / 100.0));
}

std::int32_t cursorX(std::int16_t angle) { return std::int32_t{angle} * 8 + 9340; }

QString angleCaption(std::int16_t angle)
{
    const auto degrees = static_cast<long long>(std::floor(angle / 1.744));
    return QString::number(degrees) + QStringLiteral(" deg.");
}

void process(std::int16_t angle, SceneState& s)
{
    s[Id::lblAngle].caption = angleCaption(angle);

    const auto x = static_cast<float>(cursorX(angle));
    s[Id::LineX].x1 = x;
    s[Id::LineX].x2 = x;

    drawPhase(kR, angle, s);
    drawPhase(kY, angle, s);
    drawPhase(kB, angle, s);
    drawResultant(s);
}

} // namespace vantrel
