// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The session every front end runs, driven as a user drives it: commands,
// ticks and text typed into the box, and what each call says it changed.
#include "check.h"

#include "app/session.h"
#include "scene/anglerules.h"
#include "scene/numbertext.h"

#include <string>
#include <vector>

using namespace vantrel;

namespace corecheck {

std::string degreesFor(int angle)
{
    const double degrees = angle / kEntryFactor;
    return numberToText(degrees > 360 ? degrees + 360 : degrees);
}

namespace {

struct State {
    int angle, playing;
    std::string caption;
    int interval;
    std::string box;
};

State stateOf(const Session& s)
{
    return {s.state().angle, s.state().playing ? 1 : 0, s.playCaption(), s.controls().tickMs, s.controls().angleText};
}

std::string describe(const State& s)
{
    return "angle " + std::to_string(s.angle) + " playing " + std::to_string(s.playing) + " caption " +
           printable(s.caption) + " interval " + std::to_string(s.interval) + " box " + printable(s.box);
}

// The scene as the frame left it: read-out, cursor, marks, the four line ends.
std::string sceneText(const SceneState& s)
{
    std::string t = s[Id::readOut].caption + " | x " + coordinate(s[Id::timeCursor].x1) + " | " + marksOf(s) + " |";
    for (Id id : {Id::rPhasor, Id::yPhasor, Id::bPhasor, Id::resultant})
        t += ' ' + coordinate(s[id].x2) + ',' + coordinate(s[id].y2);
    return t;
}

// One step of a script: a command, a tick, or text typed into the box.
struct Step {
    enum What { Command_, Tick, Type } what;
    Command command = Command::PlayPause;
    std::string text;
};

Step cmd(Command c) { return {Step::Command_, c, {}}; }
const Step kTick{Step::Tick, {}, {}};
Step type(std::string text) { return {Step::Type, {}, std::move(text)}; }
const Step kPlay = cmd(Command::PlayPause), kFast = cmd(Command::Fast), kMed = cmd(Command::Medium),
           kSlow = cmd(Command::Slow), kSet = cmd(Command::SetAngle), kAbout = cmd(Command::About);

// What a change reports, in short: c controls, e elements, s settled, a About.
std::string flags(const Change& c)
{
    std::string f;
    f += c.controls ? "c" : "";
    f += c.elements.empty() ? "" : "e";
    f += c.settled ? "s" : "";
    f += c.about ? "a" : "";
    return f.empty() ? "-" : f;
}

// Runs one step and checks that the change it reports is what the session
// now shows: each changed element once, in table order, as it was and is;
// every other element as it was; the settled words those of the frame.
Change runStep(Session& s, const Step& step, const std::string& where)
{
    const SceneState before = s.scene();
    const State controlsBefore = stateOf(s);
    Change c;
    switch (step.what) {
    case Step::Command_:
        c = s.command(step.command);
        break;
    case Step::Tick:
        c = s.tick();
        break;
    case Step::Type:
        c = s.textChanged(step.text);
        break;
    }
    std::size_t next = 0;
    for (const ElementDef& def : elementTable()) {
        const bool differs = !(before[def.id] == s.scene()[def.id]);
        const bool told = next < c.elements.size() && c.elements[next].id == def.id;
        if (differs != told)
            fail(where + ": " + def.name + (differs ? " changed untold" : " told as changed, yet the same"));
        if (told) {
            if (!(c.elements[next].before == before[def.id]) || !(c.elements[next].after == s.scene()[def.id]))
                fail(where + ": " + def.name + " told with the wrong states");
            ++next;
        }
    }
    if (next != c.elements.size())
        fail(where + ": elements told out of table order or twice");
    const State after = stateOf(s);
    const bool controlsSame = after.caption == controlsBefore.caption && after.interval == controlsBefore.interval &&
                              after.box == controlsBefore.box;
    if (c.controls == controlsSame && step.what != Step::Type)
        fail(where + ": controls " + (c.controls ? "told as changed, yet the same" : "changed untold"));
    if (c.settled && *c.settled != s.description())
        fail(where + ": settled words are not the frame's");
    return c;
}

struct Case {
    std::string name;
    std::vector<Step> steps;
    State after;
    std::string reports; // flags() of each step, space-separated
};

void runCase(const Case& k)
{
    Session s;
    std::string reports;
    for (const Step& step : k.steps) {
        if (!reports.empty())
            reports += ' ';
        reports += flags(runStep(s, step, k.name));
    }
    const State got = stateOf(s);
    line("session " + k.name + " -> " + describe(got) + "; " + reports);
    if (describe(got) != describe(k.after))
        fail(k.name + ": expected " + describe(k.after));
    // The options show the speed whose period the timer has: Fast 20 ms,
    // Medium 75, Slow 300.
    const Id shown = got.interval == 20 ? Id::fastOption : got.interval == 300 ? Id::slowOption : Id::mediumOption;
    if (s.chosenSpeed() != shown)
        fail(k.name + ": the options do not show the speed");
    if (reports != k.reports)
        fail(k.name + ": expected the reports " + k.reports);
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
    // What the page hands over as text must come through byte for byte.
    {"\\", "\\", 42, 43},         {"\"60\"", "\"60\"", 42, 43},  {"6\\0\"", "6\\0\"", 42, 43},
};

// Degrees that Set Angle turns into 42.
const std::string k42 = "24.07";

} // namespace

void checkSession()
{
    {
        // The designed window after its load step; no frame is drawn.
        Session s;
        if (describe(stateOf(s)) != describe({0, 0, "Play", 75, "60"}))
            fail("designed start: " + describe(stateOf(s)));
        if (s.chosenSpeed() != Id::mediumOption || !element(Id::mediumOption).selected)
            fail("designed start: Medium is not the speed shown");
        if (!(s.scene() == SceneState()) || s.frame())
            fail("designed start: a frame is drawn");
        if (s.description() != "No frame drawn yet. Press Play or Set Angle to draw one.")
            fail("designed start: " + printable(s.description()));
    }
    const State paused{0, 0, "Play", 75, "60"};
    std::vector<Case> cases = {
        {"first Play, first tick", {kPlay, kTick}, {1, 1, "Pause", 75, "60"}, "c e"},
        {"627, 628, then 0", {type(degreesFor(626)), kSet, kPlay, kTick, kTick, kTick},
         {0, 1, "Pause", 75, degreesFor(626)}, "- es c e e e"},
        {"ticks while paused", {kTick, kTick}, paused, "- -"},
        {"Play, Pause", {kPlay, kPlay}, paused, "c cs"},
        {"Fast while paused", {kFast, kTick}, {0, 0, "Play", 20, "60"}, "c -"},
        {"Slow while paused", {kSlow}, {0, 0, "Play", 300, "60"}, "c"},
        {"Slow while running", {kPlay, kSlow}, {0, 1, "Pause", 300, "60"}, "c c"},
        {"Fast, then Medium", {kFast, kMed}, paused, "c c"},
        {"a speed chosen again", {kMed}, paused, "-"},
        {"About while paused", {kAbout}, paused, "a"},
        {"About while running", {kPlay, kAbout, kTick}, {1, 1, "Pause", 75, "60"}, "c a e"},
        {"the view's own commands", {cmd(Command::ZoomIn), cmd(Command::ZoomOut), cmd(Command::ZoomReset),
                                     cmd(Command::FullScreen), cmd(Command::LeaveFullScreen)},
         paused, "- - - - -"},
        // Set Angle reads the box as it stands when pressed.
        {"typing, then Set Angle", {type("9"), type("90"), kSet}, {157, 0, "Play", 75, "90"}, "- - es"},
        // Quotes and backslashes are plain text to the session: Play still works after them.
        {"a backslash, then Play", {type("\\"), kSet, kPlay, kTick}, {1, 1, "Pause", 75, "\\"}, "- es c e"},
        {"a quote, then Play", {type("\"\\\"90"), kSet, kPlay, kTick}, {1, 1, "Pause", 75, "\"\\\"90"}, "- es c e"},
    };
    for (const SetAngleRow& r : kSetAngleRows) {
        // A reduced number is written back; an angle that stays at 42 draws
        // the frame already on screen.
        const std::string set =
            std::string(r.box != r.text ? "c" : "") + (r.angle != 42 ? "e" : "") + "s";
        cases.push_back({"Set Angle " + printable(r.text) + " paused", {type(k42), kSet, type(r.text), kSet, kTick},
                         {r.angle, 0, "Play", 75, r.box}, "- es - " + set + " -"});
        cases.push_back({"Set Angle " + printable(r.text) + " running",
                         {type(k42), kSet, kPlay, kFast, type(r.text), kSet, kTick}, {r.ticked, 1, "Pause", 20, r.box},
                         "- es c c - " + set + " e"});
    }
    for (const Case& c : cases)
        runCase(c);

    Session s;
    const Change about = s.command(Command::About);
    if (!about.about || about.about->title != "Vantrel" ||
        about.about->text != " This demo is developed by Oskendar" || about.about->ok != "OK")
        fail("About: not the designed message");

}

// Play, a cycle and a bit, every Set Angle row running and paused, the
// speeds, About and Pause: each call with the state after it and what it
// reported.
int writeSession()
{
    Session s;
    line("start | " + describe(stateOf(s)));
    const auto call = [&](const std::string& what, const Step& step) {
        const Change c = runStep(s, step, what);
        std::string l = what + " | " + describe(stateOf(s));
        if (c.controls)
            l += " | controls";
        if (!c.elements.empty()) {
            l += " | elements";
            for (const ElementChange& e : c.elements)
                l += std::string(" ") + element(e.id).name;
            l += " | " + sceneText(s.scene());
        }
        if (c.settled)
            l += " | settled " + printable(*c.settled);
        if (c.about)
            l += " | about " + printable(c.about->title) + ' ' + printable(c.about->text) + ' ' +
                 printable(c.about->ok);
        line(l);
    };
    call("cmdPlay_Click", kPlay);
    for (int i = 0; i < 640; ++i)
        call("Timer1_Timer", kTick);
    for (int round = 0; round < 2; ++round) {
        for (const SetAngleRow& r : kSetAngleRows) {
            call("txtAngle " + printable(r.text), type(r.text));
            call("cmdAngle_Click", kSet);
            call("Timer1_Timer", kTick);
        }
        call("cmdPlay_Click", kPlay);
    }
    call("optFast_Click", kFast);
    call("Timer1_Timer", kTick);
    call("optSlow_Click", kSlow);
    call("optMed_Click", kMed);
    call("cmdAbout_Click", kAbout);
    call("cmdPlay_Click", kPlay);
    return 0;
}

} // namespace corecheck
