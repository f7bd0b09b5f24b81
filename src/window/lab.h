// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lab's panel as data: its controls in the order Tab visits them, what
// each one shows of the experiment and what pressing it changes, and its
// words. Both front ends build the panel from this table alone.
#pragma once

#include "scene/experiment.h"
#include "window/words.h"

#include <cstdint>
#include <span>
#include <string>

namespace vantrel {

struct Frame;

// How the lab shows the experiment, beside what it changes of the supply.
struct LabView {
    bool open = false;
    // The resultant's path over a cycle.
    bool path = false;
    // The resultant hidden, for "predict, then look".
    bool fieldHidden = false;

    friend bool operator==(const LabView&, const LabView&) = default;
};

enum class LabId : std::uint8_t {
    sequence, connectR, connectY, connectB, neutral,
    amplitudeR, amplitudeY, amplitudeB,
    path, hideField, stepBack, stepForward, designed, fieldSize,
    count_
};

enum class LabKind : std::uint8_t {
    CheckBox,  // on or off: what labChecked() says
    Amplitude, // a phase's amplitude, 0..150 % in steps of 5
    Button,    // a command: the row's command
    ReadOut,   // the field's size: fieldSizeCaption()
};

struct LabControlDef {
    LabId id;
    // The DOM id and the objectName, which tests select by.
    const char* name;
    LabKind kind;
    Msg caption;
};

// In tab order, as the panel lists them from top to bottom.
std::span<const LabControlDef> labControls();
const LabControlDef& labControl(LabId id);

// The phase whose line or amplitude a control sets.
Phase phaseOf(LabId id);

// Whether a check box shows checked.
bool labChecked(LabId id, const Experiment& experiment, const LabView& view);

// What ticking or clearing a check box makes of the experiment and the view.
void labToggle(LabId id, Experiment& experiment, LabView& view);

// The field's path over a cycle: a closed line through every frame's
// resultant end point, in the resultant's white, one designed pixel wide and
// antialiased. It is painted first, under every element of the scene, so
// that the resultant, the last row and so the lowest, still covers it.
inline constexpr std::uint32_t kFieldPathRgb = 0xFFFFFF;
inline constexpr int kFieldPathPen = 1;

// The panel's title and the page's button that opens it.
Msg labTitle();

// The lab's button that copies a link to the experiment on screen.
Msg copyLinkCaption();

// "Field size 1.50 (1.50 to 1.50 over a cycle)": in multiples of one
// phase's peak, two places.
std::string fieldSizeCaption(const Language& language, double now, double smallest, double largest);

// The experiment in words, for the spoken frame: empty for the designed one.
std::string spokenExperiment(const Language& language, const Experiment& experiment, double smallest,
                             double largest);

} // namespace vantrel
