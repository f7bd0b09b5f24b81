// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's event handlers: the tick and the user's commands.
#pragma once

#include "app/module1.h"

#include <QObject>

namespace vantrel {

class Form1;

class Handlers : public QObject {
    Q_OBJECT
public:
    // Connects every handler to its control's event.
    Handlers(Module1& state, Form1& form);

    void Form_Load();
    void Timer1_Timer();
    void cmdPlay_Click();
    void optFast_Click();
    void optMed_Click();
    void optSlow_Click();
    void cmdAngle_Click();
    void cmdAbout_Click();

private:
    Module1& state_;
    Form1& form_;
};

// Tick periods of the three speeds, in milliseconds.
inline constexpr int kFastMs = 20;
inline constexpr int kMediumMs = 75;
inline constexpr int kSlowMs = 300;

} // namespace vantrel
