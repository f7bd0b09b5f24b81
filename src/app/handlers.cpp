// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/handlers.h"

#include "scene/anglerules.h"

namespace vantrel {

namespace {
const Language kEnglish;
} // namespace

Handlers::Handlers(Module1& state, Controls& controls, FormView& form, const Language& language)
    : state_(state)
    , controls_(controls)
    , form_(form)
    , language_(language)
{
}

Handlers::Handlers(Module1& state, Controls& controls, FormView& form)
    : Handlers(state, controls, form, kEnglish)
{
}

// The designed period is replaced before the first tick.
void Handlers::Form_Load() { setInterval(kMediumMs); }

void Handlers::Timer1_Timer()
{
    if (state_.playing != 1)
        return;
    state_.angle = nextAngle(state_.angle);
    form_.process();
}

// The button's caption, not the flag, says which way to switch.
void Handlers::cmdPlay_Click()
{
    const bool play = controls_.cmdPlayCaption == language_.tr(kPlay);
    state_.playing = play ? 1 : 0;
    controls_.cmdPlayCaption = language_.tr(play ? kPause : kPlay);
    form_.controlsChanged();
    if (!play)
        form_.frameSettled();
}

void Handlers::optFast_Click() { setInterval(kFastMs); }
void Handlers::optMed_Click() { setInterval(kMediumMs); }
void Handlers::optSlow_Click() { setInterval(kSlowMs); }

void Handlers::setInterval(int ms)
{
    controls_.timerInterval = ms;
    form_.controlsChanged();
}

void Handlers::cmdAngle_Click()
{
    const SetAngleOutcome outcome = setAngleFromText(controls_.txtAngleText, state_.angle);
    if (outcome.writtenText) {
        controls_.txtAngleText = *outcome.writtenText;
        form_.controlsChanged();
    }
    state_.angle = outcome.angle;
    form_.process();
    form_.frameSettled();
}

void Handlers::cmdAbout_Click()
{
    const AboutWords about = aboutWords(language_);
    form_.showAbout(about.title.c_str(), about.text.c_str());
}

} // namespace vantrel
