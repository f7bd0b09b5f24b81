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
    json.field("cmdPlay", session().playCaption()).field("txtAngle", c.angleText).field("interval", c.tickMs);
    // The option button that shows the speed; none when no speed has it.
    const std::optional<Id> chosen = session().chosenSpeed();
    json.key("speed");
    chosen ? json.value(element(*chosen).name) : json.null();
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

// Every word beyond the captions: the page's, and what a screen reader says
// of an element besides its caption, its name and its hint.
void writeWords(JsonWriter& json)
{
    const Language& language = session().language();
    json.key("words").object().field("title", kProgramName).field("description", language.tr(pageDescription()));
    json.field("scene", language.tr(sceneName())).field("ok", aboutWords(language).ok);
    json.field("chooser", language.tr(languageChooserName())).key("spoken").object();
    for (const ElementDef& def : elementTable()) {
        const SpokenWords spoken = spokenWords(def.id);
        if (!spoken.name && !spoken.description)
            continue;
        json.key(def.name).object();
        if (spoken.name)
            json.field("name", language.tr(spoken.name));
        if (spoken.description)
            json.field("hint", language.tr(spoken.description));
        json.end();
    }
    json.end().end();
}

// What one call changed; "{}" when nothing did, as on a paused tick. With
// `whole`, everything that can change, as if all of it just had.
const char* answer(const Change& change, bool whole = false)
{
    const Session& s = session();
    JsonWriter json;
    json.object();
    if (change.controls || whole)
        writeControls(json);
    if (!change.elements.empty() || whole) {
        json.key("elements").array();
        for (const ElementChange& e : change.elements)
            writeElement(json, e.id, e.after, true);
        for (const ElementDef& def : elementTable()) {
            // Play's caption and the box's text are the controls', sent above.
            if (whole && roleOf(def.id) != Role::None)
                writeElement(json, def.id, s.scene()[def.id], def.id != Id::playButton && def.id != Id::angleBox);
        }
        json.end();
    }
    if (change.settled || whole)
        json.field("settled", whole ? s.description() : *change.settled);
    if (const std::optional<AboutRequest>& about = change.about)
        json.key("about").object().field("title", about->title).field("text", about->text).field("ok", about->ok).end();
    if (whole) {
        writeWords(json);
        const LanguageDef& language = s.language().def();
        json.key("language").object().field("tag", language.tag).field("rightToLeft", language.rightToLeft).end();
    }
    json.end();
    // The answer lives until the next call, which is all the script needs.
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
EMSCRIPTEN_KEEPALIVE const char* vantrel_start() { return answer({}, true); }

// A control pressed or its key: `row` is the command's place in the command table.
EMSCRIPTEN_KEEPALIVE const char* vantrel_command(int row)
{
    const auto commands = commandTable();
    if (row < 0 || static_cast<std::size_t>(row) >= commands.size())
        return answer({});
    return answer(session().command(commands[static_cast<std::size_t>(row)].command));
}

EMSCRIPTEN_KEEPALIVE const char* vantrel_tick() { return answer(session().tick()); }

// Every edit of the box, as the desktop reports it: Set Angle reads the text then.
EMSCRIPTEN_KEEPALIVE const char* vantrel_text_changed(const char* text)
{
    return answer(session().textChanged(text ? text : ""));
}

// The language the page asks for, by its address or the browser's list.
EMSCRIPTEN_KEEPALIVE const char* vantrel_set_language(const char* tags)
{
    return answer(session().setLanguage(languageAskedFor(tags ? tags : "")), true);
}

// A picture's pixels: 0 the waveform chart, 1 the About picture. Width,
// height, then the RGBA bytes.
EMSCRIPTEN_KEEPALIVE int vantrel_picture_width(int which) { return picture(which).width(); }
EMSCRIPTEN_KEEPALIVE int vantrel_picture_height(int which) { return picture(which).height(); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* vantrel_picture_data(int which) { return picture(which).data(); }

} // extern "C"
