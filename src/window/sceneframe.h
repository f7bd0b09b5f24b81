// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A frame written into the elements: what the painting then shows.
#pragma once

#include "scene/frame.h"
#include "window/scenestate.h"
#include "window/words.h"

#include <array>

namespace vantrel {

// Sets the read-out's caption, the cursor's x, every conductor mark's
// visibility and the four lines' end points from the frame.
void writeFrame(const Frame& frame, SceneState& scene, const Language& language = {});

} // namespace vantrel
