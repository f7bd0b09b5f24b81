// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the program: it runs the same Session as the desktop,
// passes it what the page's script reports (a command by its row in the
// command table, a tick, the box's text) and answers with what the call
// changed, as JSON. The fixed tables the script builds the page from are
// written at build time by tools/webtables.cpp; only what a call or the
// language can change comes from here.
#include "app/session.h"
#include "web/json.h"
#include "window/icons.h"
#include "window/presentation.h"
#include "window/waveformchart.h"

#include <emscripten/emscripten.h>

#include <string>

namespace vantrel {
namespace {

Session& session()
{
    static Session s;
    return s;
}

void writeControls(JsonWriter& json)
{
    const Controls& c = session().controls();
    json.key("controls").object();
    json.field("cmdPlay", c.cmdPlayCaption).field("txtAngle", c.txtAngleText).field("interval", c.timerInterval);
    // The option button that shows the speed; none when no speed has it.
    json.key("speed");
    if (const std::optional<Id> chosen = session().chosenSpeed())
        json.value(element(*chosen).name);
    else
        json.null();
    json.end();
}

// The page draws in designed pixels and lets the browser scale, so a line's
// ends follow the rule for its designed width.
void writeElement(JsonWriter& json, Id id, const ElementState& s, bool withCaption)
{
    const ElementDef& def = element(id);
    json.object().field("name", def.name).field("visible", s.visible);
    if (def.kind == Kind::Line) {
        json.field("x1", s.x1).field("y1", s.y1).field("x2", s.x2).field("y2", s.y2);
        json.field("round", hasRoundEnds(def, s, def.penWidth));
    }
    if (withCaption && def.caption)
        json.field("caption", s.caption);
    json.end();
}

// Every word the page shows or a screen reader speaks, beyond the captions.
void writeWords(JsonWriter& json)
{
    const Language& language = session().language();
    json.key("words").object();
    json.field("title", kProgramName)
        .field("description", language.tr(pageDescription()))
        .field("scene", language.tr(sceneName()))
        .field("ok", aboutWords(language).ok);
    json.key("names").object();
    for (const ElementDef& def : elementTable()) {
        if (const Msg name = spokenWords(def.id).name)
            json.field(def.name, language.tr(name));
    }
    json.end().key("hints").object();
    for (const ElementDef& def : elementTable()) {
        if (const Msg hint = spokenWords(def.id).description)
            json.field(def.name, language.tr(hint));
    }
    json.end().end();
}

// What one call changed; "{}" when nothing did, as on a paused tick.
JsonWriter changeJson(const Change& change)
{
    JsonWriter json;
    json.object();
    if (change.controls)
        writeControls(json);
    if (!change.elements.empty()) {
        json.key("elements").array();
        for (const ElementChange& e : change.elements)
            writeElement(json, e.id, e.after, true);
        json.end();
    }
    if (change.settled)
        json.field("settled", *change.settled);
    if (change.about) {
        json.key("about").object();
        json.field("title", change.about->title).field("text", change.about->text).field("ok", change.about->ok);
        json.end();
    }
    json.end();
    return json;
}

// Everything that can change, as if all of it just had: every element's
// state and caption, the controls, the frame in words and every other word.
JsonWriter wholeJson()
{
    const Session& s = session();
    JsonWriter json;
    json.object();
    writeControls(json);
    json.key("elements").array();
    for (const ElementDef& def : elementTable()) {
        // Play's caption and the box's text are the controls', sent above.
        const bool heldByControls = def.id == Id::cmdPlay || def.id == Id::txtAngle;
        if (roleOf(def.id) != Role::None)
            writeElement(json, def.id, s.scene()[def.id], !heldByControls);
    }
    json.end();
    json.field("settled", s.description());
    writeWords(json);
    json.end();
    return json;
}

// The answer lives until the next call, which is all the script needs.
const char* answer(const JsonWriter& json)
{
    static std::string last;
    last = json.text();
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
EMSCRIPTEN_KEEPALIVE const char* vantrel_start() { return answer(wholeJson()); }

// A control pressed or its key: `row` is the command's place in the command table.
EMSCRIPTEN_KEEPALIVE const char* vantrel_command(int row)
{
    const auto commands = commandTable();
    if (row < 0 || static_cast<std::size_t>(row) >= commands.size())
        return answer(changeJson({}));
    return answer(changeJson(session().command(commands[static_cast<std::size_t>(row)].command)));
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_tick() { return answer(changeJson(session().tick())); }

// Every edit of the box, as the desktop reports it: Set Angle reads the text then.
EMSCRIPTEN_KEEPALIVE const char* vantrel_text_changed(const char* text)
{
    return answer(changeJson(session().textChanged(text ? text : "")));
}

// The words have no language to choose yet: Language answers in English.
// When it takes one, the session switches here, and the page gets every
// caption and word again without reloading, as it does now.
EMSCRIPTEN_KEEPALIVE const char* vantrel_set_language(const char* /*tag*/) { return answer(wholeJson()); }

// A picture's pixels: 0 the waveform chart, 1 the About picture. Width,
// height, then the RGBA bytes.
EMSCRIPTEN_KEEPALIVE int vantrel_picture_width(int which) { return picture(which).width(); }
EMSCRIPTEN_KEEPALIVE int vantrel_picture_height(int which) { return picture(which).height(); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* vantrel_picture_data(int which) { return picture(which).data(); }

} // extern "C"
