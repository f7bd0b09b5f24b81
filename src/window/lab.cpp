// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/lab.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vantrel {
namespace {

using K = LabKind;

constexpr std::array<LabControlDef, static_cast<std::size_t>(LabId::count_)> kControls{{
    // TRANSLATORS: a check box of the lab: two of the motor's supply leads exchanged, so the phases come R, B, Y.
    {LabId::sequence, "labSequence", K::CheckBox, N_("Two leads swapped (R-B-Y)")},
    // TRANSLATORS: check boxes of the lab: each phase's line connected to the supply, or open (broken).
    {LabId::connectR, "labR", K::CheckBox, N_("Phase R connected")},
    {LabId::connectY, "labY", K::CheckBox, N_("Phase Y connected")},
    {LabId::connectB, "labB", K::CheckBox, N_("Phase B connected")},
    // TRANSLATORS: a check box of the lab: the star point joined to the supply's neutral; cleared, three wires only.
    {LabId::neutral, "labNeutral", K::CheckBox, N_("Neutral connected")},
    // TRANSLATORS: the lab's boxes for each phase current's amplitude, in percent of the balanced one.
    {LabId::amplitudeR, "labAmplitudeR", K::Amplitude, N_("Amplitude R (%)")},
    {LabId::amplitudeY, "labAmplitudeY", K::Amplitude, N_("Amplitude Y (%)")},
    {LabId::amplitudeB, "labAmplitudeB", K::Amplitude, N_("Amplitude B (%)")},
    // TRANSLATORS: a check box of the lab: draw the path the field vector's tip takes over one cycle.
    {LabId::path, "labPath", K::CheckBox, N_("Show the field's path")},
    // TRANSLATORS: a check box of the lab: hide the field vector, so that students predict it first.
    {LabId::hideField, "labHideField", K::CheckBox, N_("Hide the field")},
    // TRANSLATORS: buttons of the lab, while paused: the animation one step (a hundredth of a radian) back or on.
    {LabId::stepBack, "labStepBack", K::Button, N_("One tick back")},
    {LabId::stepForward, "labStepForward", K::Button, N_("One tick forward")},
    // TRANSLATORS: a button of the lab: every setting back as the lesson was designed: balanced, R-Y-B.
    {LabId::designed, "labDesigned", K::Button, N_("Back to the designed lesson")},
    {LabId::fieldSize, "labField", K::ReadOut, {}},
}};

constexpr bool inIdOrder()
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (static_cast<std::size_t>(kControls[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inIdOrder(), "lab rows must follow the LabId order");

// Two places with the language's decimal mark; sizes are never negative.
std::string hundredths(double value, char decimalMark)
{
    const long n = std::lround(std::max(0.0, value) * 100);
    const long cents = n % 100;
    return std::to_string(n / 100) + decimalMark + (cents < 10 ? "0" : "") + std::to_string(cents);
}

constexpr std::array<const char*, 3> kPhaseNames{"R", "Y", "B"};

} // namespace

std::span<const LabControlDef> labControls() { return kControls; }

const LabControlDef& labControl(LabId id) { return kControls[static_cast<std::size_t>(id)]; }

Phase phaseOf(LabId id)
{
    switch (id) {
    case LabId::connectY:
    case LabId::amplitudeY:
        return Y;
    case LabId::connectB:
    case LabId::amplitudeB:
        return B;
    default:
        return R;
    }
}

bool labChecked(LabId id, const Experiment& experiment, const LabView& view)
{
    switch (id) {
    case LabId::sequence:
        return experiment.sequence == Sequence::RBY;
    case LabId::connectR:
    case LabId::connectY:
    case LabId::connectB:
        return experiment.connected[phaseOf(id)];
    case LabId::neutral:
        return experiment.neutral;
    case LabId::path:
        return view.path;
    case LabId::hideField:
        return view.fieldHidden;
    default:
        return false;
    }
}

void labToggle(LabId id, Experiment& experiment, LabView& view)
{
    switch (id) {
    case LabId::sequence:
        experiment.sequence = experiment.sequence == Sequence::RYB ? Sequence::RBY : Sequence::RYB;
        break;
    case LabId::connectR:
    case LabId::connectY:
    case LabId::connectB:
        experiment.connected[phaseOf(id)] = !experiment.connected[phaseOf(id)];
        break;
    case LabId::neutral:
        experiment.neutral = !experiment.neutral;
        break;
    case LabId::path:
        view.path = !view.path;
        break;
    case LabId::hideField:
        view.fieldHidden = !view.fieldHidden;
        break;
    default:
        break;
    }
}

// TRANSLATORS: the title of the lab's panel, and the page's button that opens it.
Msg labTitle() { return N_("Lab"); }

// TRANSLATORS: a button of the lab: copies the address of the page as it is, experiment and angle, to the clipboard.
Msg copyLinkCaption() { return N_("Copy link"); }

std::string fieldSizeCaption(const Language& language, double now, double smallest, double largest)
{
    const char mark = language.decimalMark();
    // TRANSLATORS: the lab's read-out of the field's size in multiples of one phase's peak current: {0} now,
    // {1} and {2} the smallest and largest over a cycle, "Field size 1.50 (1.50 to 1.50 over a cycle)".
    return fillIn(language.tr(N_("Field size {0} ({1} to {2} over a cycle)")),
                  {hundredths(now, mark), hundredths(smallest, mark), hundredths(largest, mark)});
}

std::string spokenExperiment(const Language& language, const Experiment& e, double smallest, double largest)
{
    if (e == Experiment{})
        return {};
    std::string words;
    const auto add = [&words](const std::string& sentence) { words += (words.empty() ? "" : " ") + sentence; };
    if (e.sequence == Sequence::RBY)
        // TRANSLATORS: spoken in the lab: the phase sequence reversed.
        add(language.tr(N_("Two leads swapped: the field turns the other way.")));
    const auto open = static_cast<int>(std::count(e.connected.begin(), e.connected.end(), false));
    if (open == 1) {
        const std::size_t gone = static_cast<std::size_t>(std::find(e.connected.begin(), e.connected.end(), false) -
                                                          e.connected.begin());
        // TRANSLATORS: spoken in the lab; {0} is the phase, R, Y or B, whose line is open.
        add(fillIn(e.neutral ? language.tr(N_("Phase {0} open, with neutral: the field turns unevenly."))
                             : language.tr(N_("Phase {0} open, three wires: the field pulses along one line and "
                                              "does not turn.")),
                   {kPhaseNames[gone]}));
    } else if (open > 1) {
        // TRANSLATORS: spoken in the lab when too many lines are open for a field to turn.
        add(language.tr(e.neutral && open == 2 ? N_("Two phases open: the field pulses along one line.")
                                               : N_("No current flows: there is no field.")));
    }
    if (e.amplitude != Experiment{}.amplitude)
        // TRANSLATORS: spoken in the lab: each phase current's amplitude in percent of the balanced one.
        add(fillIn(language.tr(N_("Amplitudes: R {0} %, Y {1} %, B {2} %.")),
                   {std::to_string(e.amplitude[R]), std::to_string(e.amplitude[Y]), std::to_string(e.amplitude[B])}));
    const char mark = language.decimalMark();
    // TRANSLATORS: spoken in the lab: the field's size over a cycle in multiples of one phase's peak current.
    add(fillIn(language.tr(N_("Field size from {0} to {1}.")), {hundredths(smallest, mark), hundredths(largest, mark)}));
    return words;
}

} // namespace vantrel
