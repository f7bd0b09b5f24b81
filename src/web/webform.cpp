// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the program: the calls of the page contract, exported
// to the page's script. Bridge does the work in plain C++; here each answer
// is kept until the next call, which is all the script needs.
#include "web/bridge.h"
#include "window/icons.h"
#include "window/waveformchart.h"

#include <emscripten/emscripten.h>

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

// Where the page's regions go on a viewport of this many CSS pixels; `coarse`
// is 1 for a touch screen's pointer.
EMSCRIPTEN_KEEPALIVE const char* vantrel_layout(double width, double height, int coarse)
{
    return kept(page::Bridge::layout(width, height, coarse != 0));
}

// A picture's pixels: 0 the waveform chart, 1 the About picture. Width,
// height, then the RGBA bytes.
EMSCRIPTEN_KEEPALIVE int vantrel_picture_width(int which) { return picture(which).width(); }
EMSCRIPTEN_KEEPALIVE int vantrel_picture_height(int which) { return picture(which).height(); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* vantrel_picture_data(int which) { return picture(which).data(); }

} // extern "C"
