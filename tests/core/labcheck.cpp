// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lab's experiments against the closed forms of a three-phase field:
// each phase's field lies along its coil's axis, 120 degrees from the
// others, and the sum over one cycle traces a circle, an ellipse or a line.
#include "check.h"

#include "app/session.h"
#include "scene/frame.h"
#include "window/waveformchart.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace vantrel;

namespace corecheck {
namespace {

struct Sweep {
    double smallest = 1e9, largest = 0;
    // Summed cross products of successive resultants: positive turns
    // clockwise on the screen (y grows downwards), zero does not turn.
    double turning = 0;
    // The largest distance, in twips, of a resultant from the line through
    // the centre along the largest resultant.
    double offAxis = 0;
};

Sweep sweep(const Experiment& e)
{
    Sweep s;
    std::array<Marks, 3> marks = kDesignedMarks;
    double px = 0, py = 0, ax = 0, ay = 0;
    std::vector<std::array<double, 2>> ends;
    for (int angle = 0; angle <= 628; ++angle) {
        const Frame f = frameAt(static_cast<std::int16_t>(angle), marks, e);
        marks = f.marks();
        const double x = f.resultant.x - 4500.0, y = f.resultant.y - 4500.0;
        const double size = std::hypot(x, y) / 2000.0;
        s.smallest = std::min(s.smallest, size);
        if (size > s.largest) {
            s.largest = size;
            ax = x / std::hypot(x, y);
            ay = y / std::hypot(x, y);
        }
        s.turning += px * y - py * x;
        px = x;
        py = y;
        ends.push_back({x, y});
    }
    for (const auto& [x, y] : ends)
        s.offAxis = std::max(s.offAxis, std::abs(x * ay - y * ax));
    return s;
}

// Locale-free, so that every runtime and locale writes the same line.
std::string thousandths(double v)
{
    const long n = std::lround(v * 1000);
    std::string digits = std::to_string(n % 1000);
    return std::to_string(n / 1000) + '.' + std::string(3 - digits.size(), '0') + digits;
}

Experiment with(void (*change)(Experiment&))
{
    Experiment e;
    change(e);
    return e;
}

} // namespace

void checkLab()
{
    // The closed forms, in multiples of one phase's peak: a balanced supply
    // gives 3/2 all round; with one phase gone (neutral kept) the two left,
    // 120 degrees apart in space and time, give an ellipse of half-axes 3/2
    // and 1/2; two phases in series across a line carry one current of
    // sqrt(3)/2 a phase's peak and pulse along one axis up to
    // sqrt(3) * sqrt(3)/2 = 3/2; Y at half strength gives 1 to 3/2. The
    // designed arithmetic (0.866, an offset of 2.09 rad, the floor) keeps
    // within 1 % of 3/2 of them.
    struct Row {
        const char* what;
        Experiment experiment;
        double smallest, largest;
        int turns; // +1 clockwise on the screen, -1 the other way, 0 not at all
    };
    const Row rows[] = {
        {"balanced, R-Y-B", {}, 1.5, 1.5, +1},
        {"balanced, R-B-Y", with([](Experiment& e) { e.sequence = Sequence::RBY; }), 1.5, 1.5, -1},
        {"R open, with neutral", with([](Experiment& e) { e.connected[R] = false; }), 0.5, 1.5, +1},
        {"B open, with neutral, R-B-Y", with([](Experiment& e) {
             e.connected[B] = false;
             e.sequence = Sequence::RBY;
         }),
         0.5, 1.5, -1},
        {"R open, three wires", with([](Experiment& e) {
             e.connected[R] = false;
             e.neutral = false;
         }),
         0.0, 1.5, 0},
        {"Y open, three wires", with([](Experiment& e) {
             e.connected[Y] = false;
             e.neutral = false;
         }),
         0.0, 1.5, 0},
        {"Y at 50 %", with([](Experiment& e) { e.amplitude[Y] = 50; }), 1.0, 1.5, +1},
        {"two lines open, three wires", with([](Experiment& e) {
             e.connected = {true, false, false};
             e.neutral = false;
         }),
         0.0, 0.0, 0},
    };
    const double tolerance = 0.01 * 1.5;
    for (const Row& row : rows) {
        const Sweep s = sweep(row.experiment);
        const int turns = s.turning > 1e3 ? 1 : s.turning < -1e3 ? -1 : 0;
        line(std::string("lab ") + row.what + ": |B| " + thousandths(s.smallest) + " to " + thousandths(s.largest) +
             ", turns " + std::to_string(turns));
        if (std::abs(s.smallest - row.smallest) > tolerance || std::abs(s.largest - row.largest) > tolerance)
            fail(std::string("lab ") + row.what + ": field size off its closed form");
        if (turns != row.turns)
            fail(std::string("lab ") + row.what + ": turns the wrong way");
        if (row.turns == 0 && s.offAxis > 1.0)
            fail(std::string("lab ") + row.what + ": the field leaves its axis by " + std::to_string(s.offAxis));
    }

    // An open phase with its neutral carries nothing, so by the marks' rule
    // its conductors show no mark; Y (994 at angle 157) keeps its dot.
    const Frame f = frameAt(157, kDesignedMarks, with([](Experiment& e) { e.connected[R] = false; }));
    if (f.phases[R].marks != Marks{false, false} || f.phases[Y].marks != Marks{false, true})
        fail("lab: an open phase shows a mark, or a connected one lost its own");
}

// The lab through the session, as a front end drives it.
void checkLabSession()
{
    Session s;
    s.textChanged("90");
    s.command(Command::SetAngle); // angle 157

    // Amplitudes go to the nearest 5 % within 0..150.
    const std::array<std::array<int, 2>, 5> amplitudes{{{147, 145}, {148, 150}, {-5, 0}, {999, 150}, {2, 0}}};
    for (const auto& [asked, kept] : amplitudes) {
        Experiment e;
        e.amplitude[Y] = asked;
        s.setExperiment(e);
        if (s.experiment().amplitude[Y] != kept)
            fail("lab: amplitude " + std::to_string(asked) + " kept as " + std::to_string(s.experiment().amplitude[Y]));
    }

    // R's line open, three wires, by the panel's check boxes: at once the
    // field stands on the vertical axis through the centre, the cycle's
    // sweep runs from 0 to 1.5, and a listener hears what the experiment is.
    s.setExperiment({});
    s.lab(LabId::connectR);
    const Change opened = s.lab(LabId::neutral);
    const Point w = s.frame()->resultant;
    const FieldSweep& sweep = s.fieldSweep();
    if (!opened.lab || !opened.settled || w.x != 4500.0f || sweep.path.size() != 629 || sweep.smallest > 0.015 ||
        std::abs(sweep.largest - 1.5) > 0.015)
        fail("lab: single phasing not drawn at once, or its sweep off");
    if (opened.settled->find("Phase R open, three wires: the field pulses along one line and does not turn.") ==
        std::string::npos)
        fail("lab: single phasing not told: " + printable(*opened.settled));

    // Back to the designed lesson: the designed frame of 90 degrees, the
    // resultant at (1508.5, 4502.598) pointing left.
    s.lab(LabId::designed);
    if (s.experiment() != Experiment{} || std::abs(s.frame()->resultant.x - 1508.5f) > 1e-3f || std::abs(s.frame()->resultant.y - 4502.598f) > 1e-3f)
        fail("lab: the designed lesson did not come back");

    // Hiding the field hides the resultant, and says so.
    const Change hidden = s.lab(LabId::hideField);
    if (s.scene()[Id::resultant].visible || hidden.elements.size() != 1 || !hidden.lab)
        fail("lab: hiding the field");
    s.lab(LabId::designed);
    if (!s.scene()[Id::resultant].visible)
        fail("lab: the field stays hidden in the designed lesson");

    // Steps go round the tick's cycle while paused with the lab open, and do
    // nothing while playing or with the lab closed, where their keys are free.
    if (!s.lab(LabId::stepForward).empty())
        fail("lab: a step with the lab closed");
    s.command(Command::Lab);
    struct StepRow {
        const char* degrees;
        bool forward;
        int angle;
    };
    const StepRow steps[] = {{"360", true, 0}, {"0", false, 628}, {"1000", false, 628}, {"-90", false, 628},
                             {"90", true, 158}, {"90", false, 156}};
    for (const StepRow& row : steps) {
        s.textChanged(row.degrees);
        s.command(Command::SetAngle);
        const Change c = s.command(row.forward ? Command::StepForward : Command::StepBack);
        if (s.state().angle != row.angle || !c.settled)
            fail(std::string("lab: a step from ") + row.degrees + " went to " + std::to_string(s.state().angle));
    }
    s.command(Command::PlayPause);
    const std::int16_t running = s.state().angle;
    if (!s.lab(LabId::stepForward).empty() || !s.lab(LabId::stepBack).empty() || s.state().angle != running)
        fail("lab: a step while playing");
}

// The chart draws the currents the experiment drives: the red curve's
// crest stands at its amplitude, the chart's +1 grid line (row 54) at
// 100 % and half-way to the zero line (row 147) at 50 %; an open phase
// with its neutral is flat on the zero line.
void checkLabChart()
{
    const auto crest = [](const Experiment& e) {
        const Pixels chart = makeWaveformChart(e);
        for (int y = 0; y < chart.height(); ++y)
            for (int x = 0; x < chart.width(); ++x) {
                const Rgba p = chart.at(x, y);
                if (p.r > p.g + 40 && p.r > p.b + 40) // red ink, however thin
                    return y;
            }
        return -1;
    };
    Experiment half;
    half.amplitude[R] = 50;
    Experiment open;
    open.connected[R] = false;
    const std::array<std::array<int, 2>, 3> rows{{{crest({}), 54}, {crest(half), 101}, {crest(open), 147}}};
    for (const auto& [found, expected] : rows) {
        if (std::abs(found - expected) > 1)
            fail("lab chart: the red crest in row " + std::to_string(found) + ", not " + std::to_string(expected));
    }
}

} // namespace corecheck
