// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the program: the same handlers, frame and element table
// as the desktop, with a FormView that collects what a call changed and hands
// it to the page's script as JSON. The script only applies it.
#include "app/handlers.h"
#include "scene/description.h"
#include "scene/frame.h"
#include "window/commands.h"
#include "window/elements.h"
#include "window/icons.h"
#include "window/layout.h"
#include "window/palette.h"
#include "window/sceneframe.h"
#include "window/scenestate.h"
#include "window/waveformchart.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {
namespace {

void appendString(std::string& out, const char* s)
{
    out += '"';
    for (; s && *s; ++s) {
        const auto c = static_cast<unsigned char>(*s);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
}

void appendString(std::string& out, const std::string& s) { appendString(out, s.c_str()); }

// Nine significant digits give back the very 32-bit float the line holds.
void appendNumber(std::string& out, double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", v);
    out += buf;
}

void appendColour(std::string& out, const Colour& c)
{
    const std::optional<std::uint32_t> rgb = designRgb(c);
    if (!rgb) {
        out += "null";
        return;
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "\"#%06X\"", static_cast<unsigned>(*rgb));
    out += buf;
}

const char* kindName(Kind k)
{
    switch (k) {
    case Kind::Frame: return "frame";
    case Kind::Label: return "label";
    case Kind::PushButton: return "button";
    case Kind::TextBox: return "textbox";
    case Kind::OptionButton: return "option";
    case Kind::Timer: return "timer";
    case Kind::Image: return "image";
    case Kind::Line: return "line";
    case Kind::Circle: return "circle";
    }
    return "";
}

const char* containerName(In in)
{
    switch (in) {
    case In::Window: return "Form1";
    case In::Frame1: return "Frame1";
    case In::Frame2: return "Frame2";
    }
    return "";
}

const char* scopeName(KeyScope s)
{
    switch (s) {
    case KeyScope::None: return "control";
    case KeyScope::Window: return "window";
    case KeyScope::TextBox: return "textbox";
    case KeyScope::FullScreen: return "fullscreen";
    }
    return "";
}

const char* commandName(Command c)
{
    switch (c) {
    case Command::PlayPause: return "PlayPause";
    case Command::Fast: return "Fast";
    case Command::Medium: return "Medium";
    case Command::Slow: return "Slow";
    case Command::SetAngle: return "SetAngle";
    case Command::About: return "About";
    case Command::ZoomIn: return "ZoomIn";
    case Command::ZoomOut: return "ZoomOut";
    case Command::ZoomReset: return "ZoomReset";
    case Command::FullScreen: return "FullScreen";
    case Command::LeaveFullScreen: return "LeaveFullScreen";
    }
    return "";
}

// The page, as the handlers see it. Each exported call starts a fresh
// report; the handlers fill it through this view.
class WebForm final : public FormView {
public:
    void process() override
    {
        const SceneState before = scene_;
        writeFrame(update_.next(state.angle), scene_);
        for (Id id : changedElements(before, scene_)) {
            if (std::find(changed_.begin(), changed_.end(), id) == changed_.end())
                changed_.push_back(id);
        }
    }
    void controlsChanged() override { controlsChanged_ = true; }
    void frameSettled() override { settled_ = true; }
    void showAbout(const char* title, const char* text) override
    {
        aboutTitle_ = title;
        aboutText_ = text;
        about_ = true;
    }

    void begin()
    {
        changed_.clear();
        controlsChanged_ = settled_ = about_ = false;
    }

    // What the last call changed; "{}" when nothing did, as on a paused tick.
    std::string report(bool everything = false)
    {
        std::string out = "{";
        bool first = true;
        auto field = [&](const char* name) {
            if (!first)
                out += ',';
            first = false;
            appendString(out, name);
            out += ':';
        };
        if (controlsChanged_ || everything) {
            field("controls");
            out += "{\"cmdPlay\":";
            appendString(out, controls.cmdPlayCaption);
            out += ",\"interval\":" + std::to_string(controls.timerInterval) + ",\"txtAngle\":";
            appendString(out, controls.txtAngleText);
            out += '}';
        }
        if (!changed_.empty()) {
            field("elements");
            out += '[';
            for (std::size_t i = 0; i < changed_.size(); ++i) {
                const ElementDef& def = element(changed_[i]);
                const ElementState& s = scene_[changed_[i]];
                out += i ? ",{" : "{";
                out += "\"name\":";
                appendString(out, def.name);
                out += ",\"visible\":";
                out += s.visible ? "true" : "false";
                if (def.kind == Kind::Line) {
                    out += ",\"x1\":";
                    appendNumber(out, s.x1);
                    out += ",\"y1\":";
                    appendNumber(out, s.y1);
                    out += ",\"x2\":";
                    appendNumber(out, s.x2);
                    out += ",\"y2\":";
                    appendNumber(out, s.y2);
                }
                if (def.caption) {
                    out += ",\"caption\":";
                    appendString(out, s.caption);
                }
                out += '}';
            }
            out += ']';
        }
        if (settled_ || everything) {
            field("announce");
            appendString(out, describeFrame(update_.current()));
        }
        if (about_) {
            field("about");
            out += "{\"title\":";
            appendString(out, aboutTitle_);
            out += ",\"text\":";
            appendString(out, aboutText_);
            out += '}';
        }
        out += '}';
        return out;
    }

    Module1 state;
    Controls controls;

private:
    SceneState scene_;
    FrameUpdate update_;
    std::vector<Id> changed_;
    bool controlsChanged_ = false;
    bool settled_ = false;
    bool about_ = false;
    std::string aboutTitle_;
    std::string aboutText_;
};

// The designed controls, as the window creates them.
Controls designedControls()
{
    Controls c;
    c.cmdPlayCaption = element(Id::cmdPlay).caption;
    c.txtAngleText = element(Id::txtAngle).caption;
    c.timerInterval = element(Id::Timer1).periodMs;
    return c;
}

WebForm& form()
{
    static WebForm f = [] {
        WebForm w;
        w.controls = designedControls();
        return w;
    }();
    return f;
}

Handlers& handlers()
{
    static Handlers h(form().state, form().controls, form());
    return h;
}

// The returned text lives until the next call, which is all the script needs.
const char* answer(std::string text)
{
    static std::string last;
    last = std::move(text);
    return last.c_str();
}

template <typename F>
const char* run(F&& f)
{
    form().begin();
    f(handlers());
    return answer(form().report());
}

std::string elementsJson()
{
    std::string out = "[";
    for (const ElementDef& d : elementTable()) {
        if (out.size() > 1)
            out += ',';
        out += "{\"name\":";
        appendString(out, d.name);
        out += ",\"kind\":";
        appendString(out, kindName(d.kind));
        out += ",\"in\":";
        appendString(out, containerName(d.in));
        const Geometry& g = d.geometry;
        out += ",\"geometry\":[" + std::to_string(g.a) + ',' + std::to_string(g.b) + ',' + std::to_string(g.c) + ',' +
               std::to_string(g.d) + "],\"colour\":";
        appendColour(out, d.colour);
        out += ",\"background\":";
        appendColour(out, d.background);
        out += ",\"pen\":" + std::to_string(d.penWidth);
        if (d.caption) {
            out += ",\"caption\":";
            appendString(out, d.caption);
        }
        if (d.font.family) {
            out += ",\"font\":{\"family\":";
            appendString(out, d.font.family);
            out += ",\"points\":";
            appendNumber(out, d.font.points);
            out += '}';
        }
        if (d.kind == Kind::OptionButton)
            out += d.selected ? ",\"selected\":true" : ",\"selected\":false";
        if (d.kind == Kind::Timer)
            out += ",\"periodMs\":" + std::to_string(d.periodMs);
        if (d.picture != Picture::None) {
            out += ",\"picture\":";
            appendString(out, d.picture == Picture::WaveformChart ? "chart" : "about");
            out += d.stretch ? ",\"stretch\":true" : ",\"stretch\":false";
        }
        out += '}';
    }
    return out + ']';
}

std::string commandsJson()
{
    std::string out = "[";
    for (const CommandDef& c : commandTable()) {
        if (out.size() > 1)
            out += ',';
        out += "{\"command\":";
        appendString(out, commandName(c.command));
        out += ",\"name\":";
        appendString(out, c.name);
        out += ",\"control\":";
        if (c.control == Id::count_)
            out += "null";
        else
            appendString(out, element(c.control).name);
        out += ",\"scope\":";
        appendString(out, scopeName(c.scope));
        out += ",\"keys\":[";
        bool first = true;
        for (const char* k : c.keys) {
            if (!k)
                continue;
            if (!first)
                out += ',';
            first = false;
            appendString(out, k);
        }
        out += "]}";
    }
    return out + ']';
}

// How the page may rearrange the scene on a small screen: the thresholds,
// the smallest scale that keeps the designed window, the regions with their
// elements, the element that moves, and the arrangements column by column.
std::string layoutJson()
{
    std::string out = "{\"captionPx\":";
    appendNumber(out, kMinCaptionPx);
    out += ",\"targetPx\":";
    appendNumber(out, kMinTargetPx);
    out += ",\"comfortablePx\":";
    appendNumber(out, kComfortableTargetPx);
    out += ",\"designedMinScale\":";
    appendNumber(out, designedMinScale());
    out += ",\"regions\":[";
    for (const RegionDef& r : regionTable()) {
        if (r.id != RegionId::Stator)
            out += ',';
        out += "{\"name\":";
        appendString(out, r.name);
        const Geometry& g = r.rect;
        out += ",\"rect\":[" + std::to_string(g.a) + ',' + std::to_string(g.b) + ',' + std::to_string(g.c) + ',' +
               std::to_string(g.d) + "],\"grows\":";
        out += r.grows ? "true" : "false";
        out += ",\"maxScale\":";
        appendNumber(out, r.maxScale);
        out += ",\"minScale\":";
        appendNumber(out, regionMinScale(r.id));
        out += ",\"members\":[";
        bool first = true;
        for (const ElementDef& d : elementTable()) {
            if (regionOf(d.id) != r.id || d.in != In::Window)
                continue;
            if (!first)
                out += ',';
            first = false;
            appendString(out, d.name);
        }
        out += "]}";
    }
    out += "],\"moves\":[";
    for (const Move& m : rearrangedMoves()) {
        if (&m != rearrangedMoves().data())
            out += ',';
        out += "{\"name\":";
        appendString(out, element(m.id).name);
        out += ",\"at\":[" + std::to_string(m.left) + ',' + std::to_string(m.top) + "]}";
    }
    out += "],\"arrangements\":[";
    for (const ArrangementDef& a : arrangementTable()) {
        if (a.id != Arrangement::Designed)
            out += ',';
        out += "{\"name\":";
        appendString(out, a.name);
        out += ",\"columns\":[";
        bool firstColumn = true;
        for (const auto& column : a.columns) {
            if (column[0] == RegionId::count_)
                continue;
            out += firstColumn ? "[" : ",[";
            firstColumn = false;
            for (std::size_t i = 0; i < column.size() && column[i] != RegionId::count_; ++i) {
                if (i)
                    out += ',';
                appendString(out, region(column[i]).name);
            }
            out += ']';
        }
        out += "]}";
    }
    return out + "]}";
}

// The pictures are made once and kept for the page to copy out.
const Pixels& picture(int which)
{
    static const Pixels chart = makeWaveformChart();
    static const Pixels about = makeAboutImage(32);
    return which == 0 ? chart : about;
}

} // namespace
} // namespace vantrel

using namespace vantrel;

extern "C" {

// Everything the page needs to build itself: the client area, the elements
// in table order, the commands and their keys, and the controls after the
// load step.
EMSCRIPTEN_KEEPALIVE const char* vantrel_start()
{
    form().begin();
    handlers().Form_Load();
    std::string out = "{\"client\":[" + std::to_string(kClientWidthTwips) + ',' + std::to_string(kClientHeightTwips) +
                      "],\"twipsPerPixel\":";
    appendNumber(out, kTwipsPerPixel);
    out += ",\"scheme\":{";
    const std::pair<const char*, std::uint32_t> scheme[] = {{"window", kScheme.window}, {"button", kScheme.button},
        {"buttonText", kScheme.buttonText}, {"base", kScheme.base}, {"text", kScheme.text}};
    for (const auto& [name, rgb] : scheme) {
        if (name != scheme[0].first)
            out += ',';
        char buf[48];
        std::snprintf(buf, sizeof buf, "\"%s\":\"#%06X\"", name, static_cast<unsigned>(rgb));
        out += buf;
    }
    out += "},\"elements\":" + elementsJson() + ",\"commands\":" + commandsJson() +
           ",\"layout\":" + layoutJson() + ",\"state\":" + form().report(true) +
           '}';
    return answer(std::move(out));
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_tick()
{
    return run([](Handlers& h) { h.Timer1_Timer(); });
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_click(const char* control)
{
    const std::string name = control ? control : "";
    return run([&](Handlers& h) {
        if (name == "cmdPlay")
            h.cmdPlay_Click();
        else if (name == "optFast")
            h.optFast_Click();
        else if (name == "optMed")
            h.optMed_Click();
        else if (name == "optSlow")
            h.optSlow_Click();
        else if (name == "cmdAbout")
            h.cmdAbout_Click();
    });
}

// Set Angle reads what the user typed, so the box's text comes along.
EMSCRIPTEN_KEEPALIVE const char* vantrel_set_angle(const char* text)
{
    form().controls.txtAngleText = text ? text : "";
    return run([](Handlers& h) { h.cmdAngle_Click(); });
}

// A picture's pixels: 0 the waveform chart, 1 the About picture. Width,
// height, then the RGBA bytes.
EMSCRIPTEN_KEEPALIVE int vantrel_picture_width(int which) { return picture(which).width(); }
EMSCRIPTEN_KEEPALIVE int vantrel_picture_height(int which) { return picture(which).height(); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* vantrel_picture_data(int which) { return picture(which).data(); }

} // extern "C"
