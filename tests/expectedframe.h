// What a frame must show for an angle, worked out from the drawing rules
// themselves rather than from the frame update's helpers, so that a fault
// there cannot hide in the expectation. Shared by the every-angle test and
// the Set Angle fuzz target.
#pragma once

#include "window/scenestate.h"

#include <QString>

#include <cmath>
#include <cstdio>

namespace expected {

// -floor(2000 sin(argument / 100)), in twips of phasor length.
inline double phaseValue(int argument) { return -std::floor(2000.0 * std::sin(argument / 100.0)); }

inline QString caption(int angle)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0f deg.", std::floor(angle / 1.744));
    return QString::fromLatin1(text);
}

struct PhaseRule {
    int offset;
    vantrel::Id cross1[2], dot1, cross2[2], dot2, phasor;
};

inline constexpr PhaseRule kPhases[] = {
    {0, {vantrel::Id::Lr1, vantrel::Id::Lr2}, vantrel::Id::Dr, {vantrel::Id::Lrr1, vantrel::Id::Lrr2},
     vantrel::Id::Drr, vantrel::Id::LineR},
    {-209, {vantrel::Id::Ly1, vantrel::Id::Ly2}, vantrel::Id::Dy, {vantrel::Id::Lyy1, vantrel::Id::Lyy2},
     vantrel::Id::Dyy, vantrel::Id::LineY},
    {209, {vantrel::Id::Lb1, vantrel::Id::Lb2}, vantrel::Id::Db, {vantrel::Id::Lbb1, vantrel::Id::Lbb2},
     vantrel::Id::Dbb, vantrel::Id::LineB},
};

// The scene that drawing `angle` over `before` must leave: empty when
// `after` is exactly that, otherwise the first difference found.
inline QString frameMismatch(int angle, const vantrel::SceneState& before, const vantrel::SceneState& after)
{
    using vantrel::Id;
    vantrel::SceneState want = before;
    want[Id::lblAngle].caption = caption(angle);
    // The cursor is vertical: only its x moves, 8 twips per step.
    want[Id::LineX].x1 = want[Id::LineX].x2 = static_cast<float>(angle * 8.0 + 9340.0);

    constexpr double c = 4500.0;
    for (const PhaseRule& p : kPhases) {
        const double v = phaseValue(angle + p.offset);
        // A current exactly on a threshold leaves the marks as they were.
        if (v != 120.0 && v != -120.0) {
            const bool cross1 = v < -120.0;
            const bool dot1 = v > 120.0;
            for (Id m : p.cross1)
                want[m].visible = cross1;
            want[p.dot2].visible = cross1;
            want[p.dot1].visible = dot1;
            for (Id m : p.cross2)
                want[m].visible = dot1;
        }
        vantrel::ElementState& line = want[p.phasor];
        line.x1 = line.y1 = static_cast<float>(c);
        if (p.offset == 0) {
            line.x2 = static_cast<float>(c + v);
            line.y2 = static_cast<float>(c);
        } else {
            line.x2 = static_cast<float>(c - v / 2);
            // Y points down for a positive current, B up.
            line.y2 = static_cast<float>(p.offset < 0 ? c + v * 0.866 : c - v * 0.866);
        }
    }
    // The resultant adds the end points as the phasor lines hold them.
    const vantrel::ElementState &r = want[Id::LineR], &y = want[Id::LineY], &b = want[Id::LineB];
    vantrel::ElementState& w = want[Id::LineW];
    w.x1 = w.y1 = static_cast<float>(c);
    w.x2 = static_cast<float>(double{r.x2} + double{y.x2} + double{b.x2} - 2 * c);
    w.y2 = static_cast<float>(double{r.y2} + double{y.y2} + double{b.y2} - 2 * c);

    for (const vantrel::ElementDef& def : vantrel::elementTable()) {
        const vantrel::ElementState &got = after[def.id], &exp = want[def.id];
        if (got == exp)
            continue;
        return QStringLiteral("angle %1: %2 is (%3, %4)-(%5, %6) %7 \"%8\", expected (%9, %10)-(%11, %12) %13 \"%14\"")
            .arg(angle)
            .arg(QLatin1String(def.name))
            .arg(got.x1).arg(got.y1).arg(got.x2).arg(got.y2)
            .arg(QLatin1String(got.visible ? "shown" : "hidden"), got.caption)
            .arg(exp.x1).arg(exp.y1).arg(exp.x2).arg(exp.y2)
            .arg(QLatin1String(exp.visible ? "shown" : "hidden"), exp.caption);
    }
    return {};
}

} // namespace expected
