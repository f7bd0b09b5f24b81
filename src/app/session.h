// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The running program, whole: the state, the controls, the handlers and the
// scene they draw. A front end passes the user's actions in and shows what
// each one changed; it decides nothing itself.
#pragma once

#include "app/controls.h"
#include "app/formview.h"
#include "app/handlers.h"
#include "app/module1.h"
#include "scene/frame.h"
#include "window/commands.h"
#include "window/scenestate.h"
#include "window/words.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// A painted element that a call changed, as it was and as it is now: the
// front end repaints both places.
struct ElementChange {
    Id id;
    ElementState before;
    ElementState after;
};

struct AboutRequest {
    std::string title, text, ok;
};

// What one call changed. A paused tick, a view command and a keystroke in the
// box change nothing that the session has to tell.
struct Change {
    // cmdPlay's caption, the tick interval or the box's text: show controls().
    bool controls = false;
    // In table order; each element once.
    std::vector<ElementChange> elements;
    // The frame in words, once it has settled: after a pause or a Set Angle.
    // Ticks leave it out, which would flood a listener with sentences.
    std::optional<std::string> settled;
    // Show the About message box.
    std::optional<AboutRequest> about;

    bool empty() const { return !controls && elements.empty() && !settled && !about; }
};

class Session {
public:
    // The designed window after its load step. No frame is drawn: the
    // designed scene shows until the first Set Angle or tick after Play.
    Session();
    explicit Session(Language language);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // A control pressed, or its key: the command table says which. The
    // view's own commands (zoom, full screen) change nothing here.
    Change command(Command c);
    // Timer1 fired.
    Change tick();
    // The user edited the box: Set Angle reads what it holds then.
    Change textChanged(std::string text);

    const Module1& state() const { return state_; }
    const Controls& controls() const { return controls_; }
    // The option button that shows the tick interval; none when no speed has it.
    std::optional<Id> chosenSpeed() const;
    const SceneState& scene() const { return scene_; }
    // The frame on screen; none until the first is drawn.
    const std::optional<Frame>& frame() const { return frames_.current(); }
    // The frame on screen in words.
    std::string description() const;
    const Language& language() const { return language_; }

private:
    // What the handlers ask of the window, gathered into the change of the
    // call that runs them.
    class Form final : public FormView {
    public:
        explicit Form(Session& session)
            : session_(session)
        {
        }
        void process() override;
        void controlsChanged() override;
        void frameSettled() override;
        void showAbout(const char* title, const char* text) override;

    private:
        Session& session_;
    };

    template <typename Step>
    Change run(Step step);

    Language language_;
    Module1 state_;
    Controls controls_;
    SceneState scene_;
    FrameUpdate frames_;
    Form form_{*this};
    Handlers handlers_;
    Change pending_;
};

// The option button that shows a tick interval, if any does.
std::optional<Id> speedOption(int intervalMs);

} // namespace vantrel
