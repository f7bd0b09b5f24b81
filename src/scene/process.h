// The frame update: everything the scene shows follows from the angle.
#pragma once

#include "window/scenestate.h"

#include <cstdint>

namespace vantrel {

// Centre of the phasor diagram, in twips.
inline constexpr double kPhasorCentre = 4500.0;

// Offset of the Y and B phase arguments from R, in hundredths of a radian.
inline constexpr int kPhaseOffset = 209;

// A phase current in twips of phasor length: -floor(2000 sin(argument / 100)).
// Always a whole number from -2000 to 2000.
double phaseValue(int argument);

// The time cursor's x in twips. Wider than 16 bits on purpose: an angle that
// Set Angle stores far outside the cycle puts the cursor off the chart
// instead of leaving a half-drawn frame.
std::int32_t cursorX(std::int16_t angle);

// The read-out's text: whole degrees, floored, followed by " deg.".
QString angleCaption(std::int16_t angle);

// Brings every dynamic element of the scene into line with the angle.
// The marks of a phase whose value lies exactly on a threshold keep
// whatever they showed before.
void process(std::int16_t angle, SceneState& scene);

} // namespace vantrel
