// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the program: the calls of the page contract, exported
// to the page's script. Bridge does the work in plain C++; here each answer
// is kept until the next call, which is all the script needs.
#include "web/bridge.h"
#include "window/icons.h"
#include "window/waveformchart.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

namespace vantrel {
namespace {

page::Bridge& bridge()
{
    static page::Bridge b;
    return b;
}

const char* kept(std::string answer)
{
    static std::string last;
    last = std::move(answer);
    return last.c_str();
}

// The pictures are made once and kept for the page to copy out; the chart
// once for each experiment the lab draws and each look, the last few of them.
const Pixels& picture(int which)
{
    static const Pixels about = makeAboutImage(32);
    static std::vector<std::tuple<Experiment, Look, Pixels>> charts; // the newest last
    if (which == 1)
        return about;
    const Look look = which == 2 ? Look::HighContrast : Look::Designed;
    const Experiment& now = bridge().session().experiment();
    const auto kept = std::find_if(charts.begin(), charts.end(),
                                   [&](const auto& c) { return std::get<0>(c) == now && std::get<1>(c) == look; });
    if (kept != charts.end())
        return std::get<2>(*kept);
    if (charts.size() >= 8)
        charts.erase(charts.begin());
    charts.emplace_back(now, look, makeWaveformChart(now, look));
    return std::get<2>(charts.back());
}

} // namespace
} // namespace vantrel

using namespace vantrel;

extern "C" {

// The session after its load step, whole.
EMSCRIPTEN_KEEPALIVE const char* vantrel_start() { return kept(bridge().start()); }

// A control pressed or its key: `row` is the command's place in the command table.
EMSCRIPTEN_KEEPALIVE const char* vantrel_command(int row) { return kept(bridge().command(row)); }

EMSCRIPTEN_KEEPALIVE const char* vantrel_tick() { return kept(bridge().tick()); }

// Every edit of the box, as the desktop reports it: Set Angle reads the text then.
EMSCRIPTEN_KEEPALIVE const char* vantrel_text_changed(const char* text)
{
    return kept(bridge().textChanged(text ? text : ""));
}

// The language the page asks for, by its address or the browser's list.
EMSCRIPTEN_KEEPALIVE const char* vantrel_set_language(const char* tags)
{
    return kept(bridge().setLanguage(tags ? tags : ""));
}

// One of the lab panel's check boxes or buttons, by its row in the lab table.
EMSCRIPTEN_KEEPALIVE const char* vantrel_lab(int row) { return kept(bridge().lab(row)); }

// A phase's amplitude in percent: 0 R, 1 Y, 2 B.
EMSCRIPTEN_KEEPALIVE const char* vantrel_amplitude(int phase, int percent)
{
    return kept(bridge().amplitude(phase, percent));
}

// The lab as the address asks for it: "key=value" a line.
EMSCRIPTEN_KEEPALIVE const char* vantrel_open_link(const char* lines)
{
    return kept(bridge().openLink(lines ? lines : ""));
}

// The address's query for what is on screen.
EMSCRIPTEN_KEEPALIVE const char* vantrel_link() { return kept(bridge().link()); }

// Where the page's regions go on a viewport of this many CSS pixels; `coarse`
// is 1 for a touch screen's pointer.
EMSCRIPTEN_KEEPALIVE const char* vantrel_layout(double width, double height, int coarse)
{
    return kept(page::Bridge::layout(width, height, coarse != 0));
}

// A picture's pixels: 0 the waveform chart, 1 the About picture, 2 the chart
// in high contrast. Width, height, then the RGBA bytes.
EMSCRIPTEN_KEEPALIVE int vantrel_picture_width(int which) { return picture(which).width(); }
EMSCRIPTEN_KEEPALIVE int vantrel_picture_height(int which) { return picture(which).height(); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* vantrel_picture_data(int which) { return picture(which).data(); }

} // extern "C"
