// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the page's fixed tables as a script on standard output: the designed
// elements with their roles, the commands and their keys, the tab order, the
// scheme and bevel colours and the group boxes' caption placing. They come
// from src/window, as the desktop reads them, and never change while the page
// runs, so the build writes them once instead of the program at every start.
// Words are not here: they follow the language, and the program sends them.
#include "web/json.h"
#include "window/commands.h"
#include "window/layout.h"
#include "window/locales.h"
#include "window/palette.h"
#include "window/presentation.h"
#include "window/scenestate.h"
#include "window/words.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vantrel {
namespace {

// The names the page's script goes by, in the order of each enum.
constexpr std::array<const char*, 9> kKinds{"groupbox", "label", "button", "textbox", "option", "timer", "image",
                                            "line", "circle"};
constexpr std::array<const char*, 4> kRoles{"none", "painted", "control", "pictureButton"};
constexpr std::array<const char*, 4> kScopes{"control", "window", "textbox", "fullscreen"};
constexpr std::array<const char*, 14> kCommands{"PlayPause", "Fast",     "Medium",     "Slow",       "SetAngle",
                                                "About",     "ZoomIn",   "ZoomOut",    "ZoomReset",  "FullScreen",
                                                "LeaveFullScreen", "Lab", "StepBack", "StepForward"};
static_assert(kKinds.size() == static_cast<std::size_t>(Kind::Circle) + 1);
static_assert(kRoles.size() == static_cast<std::size_t>(Role::PictureButton) + 1);
static_assert(kScopes.size() == static_cast<std::size_t>(KeyScope::FullScreen) + 1);
static_assert(kCommands.size() == static_cast<std::size_t>(Command::StepForward) + 1);

template <std::size_t N, typename E>
const char* nameOf(const std::array<const char*, N>& names, E e)
{
    return names.at(static_cast<std::size_t>(e));
}

std::string hex(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

// An element without the colour leaves it out.
void colour(JsonWriter& json, const char* name, const Colour& c)
{
    if (const std::optional<std::uint32_t> rgb = designRgb(c))
        json.field(name, hex(*rgb));
}

void writeElements(JsonWriter& json)
{
    const SceneState designed;
    json.key("elements").array();
    for (const ElementDef& d : elementTable()) {
        json.object().field("name", d.name).field("kind", nameOf(kKinds, d.kind)).field("role", nameOf(kRoles, roleOf(d.id)));
        json.field("in", d.in == In::Window ? "Form1" : element(d.in == In::SpeedBox ? Id::speedBox : Id::legendBox).name);
        const Geometry& g = d.geometry;
        json.key("geometry").array().value(g.a).value(g.b).value(g.c).value(g.d).end();
        colour(json, "colour", d.colour);
        colour(json, "background", d.background);
        if (d.penWidth)
            json.field("pen", d.penWidth);
        if (d.kind == Kind::Line)
            json.field("round", hasRoundEnds(d, designed[d.id], d.penWidth));
        if (d.font.family)
            json.field("points", d.font.points);
        if (d.picture != Picture::None)
            json.field("picture", d.picture == Picture::WaveformChart ? "chart" : "about").field("stretch", d.stretch);
        // Its hint's words come with the language; where it goes is fixed.
        if (spokenWords(d.id).description)
            json.field("hinted", true);
        json.end();
    }
    json.end();
}

void writeCommands(JsonWriter& json)
{
    json.key("commands").array();
    for (const CommandDef& c : commandTable()) {
        json.object().field("command", nameOf(kCommands, c.command)).key("control");
        if (c.control == Id::count_)
            json.null();
        else
            json.value(element(c.control).name);
        json.field("scope", nameOf(kScopes, c.scope)).key("keys").array();
        for (const char* k : c.keys) {
            if (k)
                json.value(k);
        }
        json.end().end();
    }
    json.end();
}

// The scene's regions and how a small screen arranges them: the page lays
// itself out by these where the designed window is too small to touch.
void writeLayout(JsonWriter& json)
{
    json.key("layout").object().field("captionPx", kMinCaptionPx).field("targetPx", kMinTargetPx);
    json.field("comfortablePx", kComfortableTargetPx).field("designedMinScale", designedMinScale());
    json.key("regions").array();
    for (const RegionDef& r : regionTable()) {
        const Geometry& g = r.rect;
        json.object().field("name", r.name).key("rect").array().value(g.a).value(g.b).value(g.c).value(g.d).end();
        json.field("grows", r.grows).field("maxScale", r.maxScale).field("minScale", regionMinScale(r.id));
        json.key("members").array();
        for (const ElementDef& d : elementTable()) {
            if (regionOf(d.id) == r.id && d.in == In::Window)
                json.value(d.name);
        }
        if (r.id == RegionId::Stator)
            json.value(kLanguageChooserName);
        json.end().end();
    }
    json.end().key("moves").array();
    for (const Move& m : rearrangedMoves())
        json.object().field("name", element(m.id).name).key("at").array().value(m.left).value(m.top).end().end();
    json.object().field("name", kLanguageChooserName).key("at").array();
    json.value(kLanguageChooserRearranged[0]).value(kLanguageChooserRearranged[1]).end().end();
    json.end().key("arrangements").array();
    for (const ArrangementDef& a : arrangementTable()) {
        json.object().field("name", a.name).key("columns").array();
        for (const auto& column : a.columns) {
            if (column[0] == RegionId::count_)
                continue;
            json.array();
            for (const RegionId r : column) {
                if (r != RegionId::count_)
                    json.value(region(r).name);
            }
            json.end();
        }
        json.end().end();
    }
    json.end().end();
}

// Every language the page offers, by its own name; the testers' pseudo-locale
// is reached only through the address. The chooser's place and size, and how
// far a caption may shrink to fit its rectangle.
void writeLanguages(JsonWriter& json)
{
    json.key("languages").array();
    for (const LanguageDef& l : languages())
        json.object().field("tag", l.tag).field("name", l.nativeName).end();
    json.end();
    const Geometry& g = kLanguageChooser;
    json.key("chooser").object().field("name", kLanguageChooserName);
    json.key("geometry").array().value(g.a).value(g.b).value(g.c).value(g.d).end();
    // Its options read at the size of Set Angle's caption, the control beside it.
    json.field("points", element(Id::setAngleButton).font.points).end();
    json.field("smallestCaptionScale", kSmallestCaptionScale);
}

// The web manifest in one language: an installed page is named Vantrel in
// every language and described in the student's.
int writeManifest(const char* tag)
{
    const LanguageDef* def = tag ? findLanguage(tag) : nullptr;
    if (!def)
        return 2;
    const Language language(*def);
    JsonWriter json;
    json.object().field("name", kProgramName).field("short_name", kProgramName);
    json.field("description", language.tr(pageDescription())).field("lang", def->tag);
    json.field("dir", def->rightToLeft ? "rtl" : "ltr").field("start_url", "./index.html").field("scope", "./");
    json.field("display", "standalone").field("background_color", hex(kScheme.window));
    json.field("theme_color", hex(kScheme.window)).key("icons").array();
    for (const char* size : {"192", "512"}) {
        const std::string sizes = std::string(size) + "x" + size;
        json.object().field("src", "icon-" + std::string(size) + ".png").field("sizes", sizes);
        json.field("type", "image/png").end();
    }
    json.end().end();
    std::printf("%s\n", json.text().c_str());
    return std::ferror(stdout) ? 1 : 0;
}

} // namespace
} // namespace vantrel

// Without arguments the tables; with "manifest TAG" the manifest in that language.
int main(int argc, char** argv)
{
    using namespace vantrel;
    if (argc == 3 && std::string_view(argv[1]) == "manifest")
        return writeManifest(argv[2]);
    if (argc != 1)
        return 2;
    JsonWriter json;
    json.object();
    json.key("client").array().value(kClientWidthTwips).value(kClientHeightTwips).end();
    json.field("twipsPerPixel", kTwipsPerPixel);
    json.key("scheme").object();
    json.field("window", hex(kScheme.window)).field("button", hex(kScheme.button));
    json.field("buttonText", hex(kScheme.buttonText)).field("base", hex(kScheme.base)).field("text", hex(kScheme.text));
    json.end();
    // A group box's etched border: the dark line, then the light one inside it.
    json.key("etched").array().value(hex(kScheme.dark)).value(hex(kScheme.light)).end();
    json.field("captionIndent", kCaptionIndent).field("captionPadding", kCaptionPadding);
    json.key("tabOrder").array();
    for (const Id id : tabOrder())
        json.value(element(id).name);
    json.end();
    writeElements(json);
    writeCommands(json);
    writeLayout(json);
    writeLanguages(json);
    json.end();
    std::printf("// Written at build time by tools/webtables.cpp from the designed window.\n"
                "var vantrelTables = %s;\n",
                json.text().c_str());
    return std::ferror(stdout) ? 1 : 0;
}
