// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the handlers ask of the window that a front end shows.
#pragma once

namespace vantrel {

class FormView {
public:
    virtual ~FormView() = default;

    // Redraws every dynamic element of the scene from the angle.
    virtual void process() = 0;
    // The handlers changed a control property: show it.
    virtual void controlsChanged() = 0;
    // The frame on screen has settled (a pause, or an angle set): a screen
    // reader may now be told what it shows. Ticks do not call it, which would
    // flood a listener with a sentence many times a second.
    virtual void frameSettled() = 0;
    // Shows the About message box with an information icon and one OK
    // button; the desktop waits until it is closed, a page need not.
    virtual void showAbout(const char* title, const char* text) = 0;

protected:
    FormView() = default;
    FormView(const FormView&) = default;
    FormView& operator=(const FormView&) = default;
};

} // namespace vantrel
