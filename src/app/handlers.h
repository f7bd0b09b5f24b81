// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's event handlers: the load step, the tick and the user's commands.
#pragma once

#include "app/controls.h"
#include "app/formview.h"
#include "app/module1.h"
#include "window/words.h"

namespace vantrel {

class Handlers {
public:
    // The state, the window and the language live as long as the handlers.
    Handlers(Module1& state, Controls& controls, FormView& form, const Language& language);
    // Captions and messages in English.
    Handlers(Module1& state, Controls& controls, FormView& form);

    void Form_Load();
    void Timer1_Timer();
    void cmdPlay_Click();
    void optFast_Click();
    void optMed_Click();
    void optSlow_Click();
    void cmdAngle_Click();
    void cmdAbout_Click();

private:
    void setInterval(int ms);

    Module1& state_;
    Controls& controls_;
    FormView& form_;
    const Language& language_;
};

} // namespace vantrel
