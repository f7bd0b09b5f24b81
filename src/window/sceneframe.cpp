// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/sceneframe.h"

#include <string>

namespace vantrel {
namespace {

struct PhaseElements {
    Id cross1a, cross1b, dot1; // first conductor
    Id cross2a, cross2b, dot2; // second conductor
    Id phasor;
};

constexpr std::array<PhaseElements, 3> kPhases{{
    {Id::r1CrossA, Id::r1CrossB, Id::r1Dot, Id::r2CrossA, Id::r2CrossB, Id::r2Dot, Id::rPhasor},
    {Id::y1CrossA, Id::y1CrossB, Id::y1Dot, Id::y2CrossA, Id::y2CrossB, Id::y2Dot, Id::yPhasor},
    {Id::b1CrossA, Id::b1CrossB, Id::b1Dot, Id::b2CrossA, Id::b2CrossB, Id::b2Dot, Id::bPhasor},
}};

// The second conductor carries the same current the other way, so it shows
// the opposite mark.
void writeMarks(const PhaseElements& p, Marks m, SceneState& s)
{
    s[p.cross1a].visible = m.cross;
    s[p.cross1b].visible = m.cross;
    s[p.dot2].visible = m.cross;
    s[p.dot1].visible = m.dot;
    s[p.cross2a].visible = m.dot;
    s[p.cross2b].visible = m.dot;
}

void writeLine(Id id, Point end, SceneState& s)
{
    ElementState& line = s[id];
    line.x1 = static_cast<float>(kPhasorCentre);
    line.y1 = static_cast<float>(kPhasorCentre);
    line.x2 = end.x;
    line.y2 = end.y;
}

} // namespace

void writeFrame(const Frame& frame, SceneState& s, const Language& language)
{
    s[Id::readOut].caption = readOutCaption(language, frame.degrees);

    const auto x = static_cast<float>(frame.cursor);
    s[Id::timeCursor].x1 = x;
    s[Id::timeCursor].x2 = x;

    for (Phase p : {R, Y, B}) {
        writeMarks(kPhases[p], frame.phases[p].marks, s);
        writeLine(kPhases[p].phasor, frame.phases[p].end, s);
    }
    writeLine(Id::resultant, frame.resultant, s);
}

} // namespace vantrel
