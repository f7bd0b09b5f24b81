// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The running program, whole: the animation state, the controls, every
// command and the scene they draw. A front end passes the user's actions in and shows what
// each one changed; it decides nothing itself.
#pragma once

#include "app/animationstate.h"
#include "app/controls.h"
#include "scene/frame.h"
#include "window/commands.h"
#include "window/lab.h"
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

// The field over one whole cycle of an experiment: every frame's resultant
// end point, and its smallest and largest size in multiples of a phase's peak.
struct FieldSweep {
    std::vector<Point> path;
    double smallest = 0, largest = 0;
};

struct AboutRequest {
    std::string title, text, ok;
};

// What one call changed. A paused tick, a view command and a keystroke in the
// box change nothing that the session has to tell.
struct Change {
    // Play's caption, the tick period or the box's text: show playCaption()
    // and controls().
    bool controls = false;
    // In table order; each element once.
    std::vector<ElementChange> elements;
    // The frame in words, once it has settled: after a pause or a Set Angle.
    // Ticks leave it out, which would flood a listener with sentences.
    std::optional<std::string> settled;
    // Show the About message box.
    std::optional<AboutRequest> about;
    // The language changed: every word shown anywhere is to be read again.
    bool language = false;
    // The lab's experiment or view changed: show experiment(), labView()
    // and fieldSweep() again.
    bool lab = false;

    bool empty() const { return !controls && elements.empty() && !settled && !about && !language && !lab; }
};

class Session {
public:
    // The designed window once loaded: paused, at Medium. No frame is drawn:
    // the designed scene shows until the first Set Angle or tick after Play.
    Session();
    explicit Session(Language language);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // A control pressed, or its key: the command table says which. The
    // view's own commands (zoom, full screen) change nothing here.
    Change command(Command c);
    // The ticker fired: one step on while playing, nothing while paused.
    Change tick();
    // The user edited the box: Set Angle reads what it holds then.
    Change textChanged(std::string text);
    // Speaks another language from now on, the animation going on as it was.
    Change setLanguage(const LanguageDef& def);
    // The lab: another experiment, drawn at once at the present angle. An
    // amplitude is taken to the nearest step within 0..150 %.
    Change setExperiment(Experiment experiment);
    Change setLabView(LabView view);
    // One of the lab panel's check boxes or buttons pressed.
    Change lab(LabId id);
    Change setAmplitude(Phase phase, int percent);

    const AnimationState& state() const { return state_; }
    const Controls& controls() const { return controls_; }
    // "Play" while paused, "Pause" while playing, in the session's language.
    std::string playCaption() const;
    // The option button that shows the tick period; none when no speed has it.
    std::optional<Id> chosenSpeed() const;
    const SceneState& scene() const { return scene_; }
    // The frame on screen; none until the first is drawn.
    const std::optional<Frame>& frame() const { return frames_.current(); }
    // The frame on screen in words.
    std::string description() const;
    const Language& language() const { return language_; }
    const Experiment& experiment() const { return experiment_; }
    const LabView& labView() const { return labView_; }
    const FieldSweep& fieldSweep() const { return sweep_; }

private:
    void togglePlay();
    void setSpeed(int tickMs);
    void setAngle();
    void showAbout();
    // angle -> frame -> element state, and what that changed.
    void drawFrame();
    // The frame on screen has settled (a pause, or an angle set): a screen
    // reader may now be told what it shows. Ticks do not settle it, which
    // would flood a listener with a sentence many times a second.
    void settle();
    void applyExperiment(Experiment experiment);
    void applyLabView(LabView view);
    // One tick on or back, within the cycle 0..628, while the lab is open
    // and the animation paused.
    void step(bool forward);

    template <typename Step>
    Change run(Step step);

    Language language_;
    AnimationState state_;
    Controls controls_;
    SceneState scene_;
    FrameUpdate frames_;
    Experiment experiment_;
    LabView labView_;
    FieldSweep sweep_;
    // What the running call changed so far.
    Change pending_;
};

// The option button that shows a tick period, if any does.
std::optional<Id> speedOption(int tickMs);

} // namespace vantrel
