// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the parts of core_check share: one output, and a count of failures.
#pragma once

#include "window/scenestate.h"

#include <string>
#include <string_view>

namespace corecheck {

// Appends a line to the mode's output.
void line(const std::string& text);
// Counts a failure and writes it to the output, marked FAIL.
void fail(const std::string& what);
// How many failures so far.
int failures();
// Any bytes as one printable, quoted line.
std::string printable(std::string_view s);
// The shortest fixed-point text that reads back as the same float.
std::string coordinate(float f);
// The conductor marks a frame left, per phase R, Y, B: the first
// conductor's cross and dot, then the second's; 'x' or 'o' where shown.
std::string marksOf(const vantrel::SceneState& s);

// Checks that fail on a wrong outcome (the check mode).
void checkSession();
void checkScene();
void checkPictures();
void checkLanguages();

// Degrees that Set Angle turns into `angle`; above 360 one turn more, which
// Set Angle takes off.
std::string degreesFor(int angle);
void checkLayout();
void checkLab();
void checkLabSession();
void checkLabChart();
void checkLabAddress();

// Outputs that the runtimes must write alike.
int writeSession();
int writePictures();

} // namespace corecheck
