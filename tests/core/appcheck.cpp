// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The handlers against a window that only records what they ask of it.
#include "check.h"

#include "app/handlers.h"
#include "scene/frame.h"
#include "window/elements.h"
#include "window/sceneframe.h"

#include <string>
#include <vector>

using namespace vantrel;

namespace corecheck {
namespace {

struct State {
    int angle, playing;
    std::string caption;
    int interval;
    std::string box;
};

State stateOf(const Module1& m, const Controls& c)
{
    return {m.angle, m.playing, c.cmdPlayCaption, c.timerInterval, c.txtAngleText};
}

std::string describe(const State& s)
{
    return "angle " + std::to_string(s.angle) + " playing " + std::to_string(s.playing) + " caption " +
           printable(s.caption) + " interval " + std::to_string(s.interval) + " box " + printable(s.box);
}

// The scene as the frame left it: read-out, cursor, marks, the four line ends.
std::string sceneText(const SceneState& s)
{
    std::string t = s[Id::lblAngle].caption + " | x " + coordinate(s[Id::LineX].x1) + " | " + marksOf(s) + " |";
    for (Id id : {Id::LineR, Id::LineY, Id::LineB, Id::LineW})
        t += ' ' + coordinate(s[id].x2) + ',' + coordinate(s[id].y2);
    return t;
}

class RecordingView final : public FormView {
public:
    RecordingView(const Module1& state, const Controls& controls)
        : state_(state)
        , controls_(controls)
    {
        shown = controls;
    }

    void process() override
    {
        writeFrame(frames_.next(state_.angle), scene_);
        record("process " + std::to_string(state_.angle), " | " + sceneText(scene_));
    }
    void controlsChanged() override
    {
        shown = controls_;
        record("controlsChanged", "");
    }
    void frameSettled() override { record("frameSettled", ""); }
    void showAbout(const char* title, const char* text) override
    {
        record("showAbout " + printable(title) + ' ' + printable(text), "");
    }

    std::string calls;    // what the handlers asked, in order
    std::vector<std::string> log; // each call with the state after it
    Controls shown;       // the controls as last shown

private:
    void record(const std::string& call, const std::string& frame)
    {
        if (call != "controlsChanged")
            calls += (calls.empty() ? "" : ", ") + call;
        log.push_back(call + " | " + describe(stateOf(state_, controls_)) + frame);
    }

    const Module1& state_;
    const Controls& controls_;
    FrameUpdate frames_;
    SceneState scene_;
};

// The program as every front end builds it, with the recording window.
struct Program {
    Module1 state;
    Controls controls{element(Id::cmdPlay).caption, element(Id::Timer1).periodMs, element(Id::txtAngle).caption};
    RecordingView view{state, controls};
    Handlers handlers{state, controls, view};
};

using Handler = void (Handlers::*)();
constexpr Handler Load = &Handlers::Form_Load, Tick = &Handlers::Timer1_Timer, Play = &Handlers::cmdPlay_Click,
                  Fast = &Handlers::optFast_Click, Med = &Handlers::optMed_Click, Slow = &Handlers::optSlow_Click,
                  SetAngle = &Handlers::cmdAngle_Click, About = &Handlers::cmdAbout_Click;

struct Case {
    std::string name;
    State before;
    std::vector<Handler> steps;
    State after;
    std::string calls;
};

void runCase(const Case& c)
{
    Program p;
    p.state = {static_cast<std::int16_t>(c.before.angle), static_cast<std::int16_t>(c.before.playing)};
    p.controls = {c.before.caption, c.before.interval, c.before.box};
    p.view.shown = p.controls;
    for (Handler h : c.steps)
        (p.handlers.*h)();
    const State got = stateOf(p.state, p.controls);
    line("handlers " + c.name + " -> " + describe(got) + "; " + p.view.calls);
    if (describe(got) != describe(c.after))
        fail(c.name + ": expected " + describe(c.after));
    if (p.view.calls != c.calls)
        fail(c.name + ": expected the calls " + c.calls);
    if (!(p.view.shown == p.controls))
        fail(c.name + ": the window was not told of a changed control");
}

// Set Angle's rows, with the angle the next running tick draws.
struct SetAngleRow {
    std::string text, box;
    int angle, ticked;
};
const SetAngleRow kSetAngleRows[] = {
    {"60", "60", 105, 106},       {"360", "360", 628, 0},        {"361", "1", 2, 3},
    {"720", "360", 628, 0},       {"1000", "640", 1117, 0},      {"-90", "-90", -157, -156},
    {"", "", 42, 43},             {"abc", "abc", 42, 43},        {"20000", "19640", 42, 43},
    {"-20000", "-20000", 42, 43},
};

} // namespace

void checkHandlers()
{
    {
        // The designed window before its load step; the load step draws nothing.
        Program p;
        if (describe(stateOf(p.state, p.controls)) != describe({0, 0, "Play", 10, "60"}))
            fail("designed start: " + describe(stateOf(p.state, p.controls)));
        if (!element(Id::optMed).selected || element(Id::optFast).selected || element(Id::optSlow).selected)
            fail("designed start: Medium is not the one speed selected");
    }
    std::vector<Case> cases = {
        {"load", {0, 0, "Play", 10, "60"}, {Load}, {0, 0, "Play", 75, "60"}, ""},
        {"first Play, first tick", {0, 0, "Play", 75, "60"}, {Play, Tick}, {1, 1, "Pause", 75, "60"}, "process 1"},
        {"627, 628, then 0", {626, 1, "Pause", 75, "60"}, {Tick, Tick, Tick}, {0, 1, "Pause", 75, "60"},
         "process 627, process 628, process 0"},
        {"tick while paused", {300, 0, "Play", 75, "60"}, {Tick}, {300, 0, "Play", 75, "60"}, ""},
        {"Play twice", {300, 0, "Play", 75, "60"}, {Play, Play}, {300, 0, "Play", 75, "60"}, "frameSettled"},
        {"caption decides, lowercase", {5, 1, "play", 75, "60"}, {Play}, {5, 0, "Play", 75, "60"}, "frameSettled"},
        {"caption decides, Pause while paused", {5, 0, "Pause", 75, "60"}, {Play}, {5, 0, "Play", 75, "60"},
         "frameSettled"},
        {"Fast, paused", {300, 0, "Play", 75, "60"}, {Fast}, {300, 0, "Play", 20, "60"}, ""},
        {"Slow, running", {300, 1, "Pause", 75, "60"}, {Slow}, {300, 1, "Pause", 300, "60"}, ""},
        {"Fast then Medium", {300, 1, "Pause", 75, "60"}, {Fast, Med}, {300, 1, "Pause", 75, "60"}, ""},
        {"About, paused", {300, 0, "Play", 20, "7"}, {About}, {300, 0, "Play", 20, "7"},
         "showAbout \"Vantrel\" \" This demo is developed by Oskendar\""},
        {"About, running", {300, 1, "Pause", 300, "7"}, {About}, {300, 1, "Pause", 300, "7"},
         "showAbout \"Vantrel\" \" This demo is developed by Oskendar\""},
    };
    for (const SetAngleRow& r : kSetAngleRows) {
        const std::string set = "process " + std::to_string(r.angle) + ", frameSettled";
        cases.push_back({"Set Angle " + printable(r.text) + " paused", {42, 0, "Play", 75, r.text},
                         {SetAngle, Tick}, {r.angle, 0, "Play", 75, r.box}, set});
        cases.push_back({"Set Angle " + printable(r.text) + " running", {42, 1, "Pause", 20, r.text},
                         {SetAngle, Tick}, {r.ticked, 1, "Pause", 20, r.box},
                         set + ", process " + std::to_string(r.ticked)});
    }
    for (const Case& c : cases)
        runCase(c);
}

// Load, Play, a cycle and a bit, every Set Angle row running and paused, the
// speeds, About and Pause.
int writeSession()
{
    Program p;
    std::size_t logged = 0;
    const auto call = [&](const std::string& what, Handler h) {
        (p.handlers.*h)();
        line(what);
        for (; logged < p.view.log.size(); ++logged)
            line("  " + p.view.log[logged]);
    };
    call("Form_Load", Load);
    call("cmdPlay_Click", Play);
    for (int i = 0; i < 640; ++i)
        call("Timer1_Timer", Tick);
    for (Handler playPause : {Play, Play}) {
        for (const SetAngleRow& r : kSetAngleRows) {
            p.controls.txtAngleText = r.text;
            call("cmdAngle_Click " + printable(r.text), SetAngle);
            call("Timer1_Timer", Tick);
        }
        call("cmdPlay_Click", playPause);
    }
    call("optFast_Click", Fast);
    call("Timer1_Timer", Tick);
    call("optSlow_Click", Slow);
    call("optMed_Click", Med);
    call("cmdAbout_Click", About);
    call("cmdPlay_Click", Play);
    return 0;
}

} // namespace corecheck
