// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program as main() builds it: the state, the window that shows
// it and the handlers between them.
#pragma once

#include "app/handlers.h"
#include "app/module1.h"
#include "desktop/form1.h"
#include "desktop/handlerbindings.h"
#include "desktop/sceneaccessible.h"
#include "desktop/viewcontrol.h"
#include "window/elements.h"

namespace vantrel {

// The control properties as the window is designed.
inline Controls designedControls()
{
    return {element(Id::cmdPlay).caption, element(Id::Timer1).periodMs, element(Id::txtAngle).caption};
}

// What a screen reader finds, and zoom and full screen, around a window.
inline void setUpView(Form1& form)
{
    setUpAccessibility(form);
    new ViewControl(form);
}

struct Program {
    Module1 state;
    Controls controls = designedControls();
    Form1 form{state, controls};
    Handlers handlers{state, controls, form};
    HandlerBindings bindings{handlers, controls, form};

    Program() { setUpView(form); }
};

} // namespace vantrel
