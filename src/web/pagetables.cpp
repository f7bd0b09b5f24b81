// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fixed tables the page's script builds the page from. They come from
// src/window, as the desktop reads them, and never change while the page
// runs, so the build writes them once instead of the program at every start.
// Words are not here: they follow the language, and the program sends them.
#include "web/pagetables.h"

#include "window/commands.h"
#include "window/lab.h"
#include "window/layout.h"
#include "window/palette.h"
#include "window/presentation.h"
#include "window/scenestate.h"
#include "window/words.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace vantrel::page {
namespace {

using S = Shape;

std::string hex(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

void rect(PageWriter& out, FieldRef f, const Geometry& g)
{
    out.open(f).value(g.a).value(g.b).value(g.c).value(g.d).end();
}

// An element without the colour leaves it out.
void colour(PageWriter& out, FieldRef f, const Colour& c, Look look = Look::Designed)
{
    if (const std::optional<std::uint32_t> rgb = lookRgb(c, look))
        out.field(f, hex(*rgb));
}

void scheme(PageWriter& out, FieldRef f, const SchemeColours& s)
{
    out.open(f).field(at(S::Scheme, "window"), hex(s.window)).field(at(S::Scheme, "button"), hex(s.button));
    out.field(at(S::Scheme, "buttonText"), hex(s.buttonText)).field(at(S::Scheme, "base"), hex(s.base));
    out.field(at(S::Scheme, "text"), hex(s.text)).end();
}

void writeElements(PageWriter& out)
{
    const SceneState designed;
    out.open(at(S::Tables, "elements"));
    for (const ElementDef& d : elementTable()) {
        out.item().field(at(S::ElementRow, "name"), d.name).field(at(S::ElementRow, "kind"), nameOf(kKindNames, d.kind));
        out.field(at(S::ElementRow, "role"), nameOf(kRoleNames, roleOf(d.id)));
        out.field(at(S::ElementRow, "in"),
                  d.in == In::Window ? kWindowName : element(d.in == In::SpeedBox ? Id::speedBox : Id::legendBox).name);
        rect(out, at(S::ElementRow, "geometry"), d.geometry);
        colour(out, at(S::ElementRow, "colour"), d.colour);
        colour(out, at(S::ElementRow, "background"), d.background);
        colour(out, at(S::ElementRow, "contrastColour"), d.colour, Look::HighContrast);
        colour(out, at(S::ElementRow, "contrastBackground"), d.background, Look::HighContrast);
        if (d.penWidth)
            out.field(at(S::ElementRow, "pen"), d.penWidth);
        if (d.kind == Kind::Line)
            out.field(at(S::ElementRow, "round"), hasRoundEnds(d, designed[d.id], d.penWidth));
        if (d.font.family)
            out.field(at(S::ElementRow, "points"), d.font.points);
        if (d.picture != Picture::None)
            out.field(at(S::ElementRow, "stretch"), d.stretch);
        // Its hint's words come with the language; where it goes is fixed.
        if (spokenWords(d.id).description)
            out.field(at(S::ElementRow, "hinted"), true);
        out.end();
    }
    out.end();
}

void writeCommands(PageWriter& out)
{
    out.open(at(S::Tables, "commands"));
    for (const CommandDef& c : commandTable()) {
        out.item().field(at(S::CommandRow, "command"), nameOf(kCommandNames, c.command));
        if (c.control == Id::count_)
            out.null(at(S::CommandRow, "control"));
        else
            out.field(at(S::CommandRow, "control"), element(c.control).name);
        out.field(at(S::CommandRow, "scope"), nameOf(kScopeNames, c.scope)).open(at(S::CommandRow, "keys"));
        for (const char* k : c.keys) {
            if (k)
                out.value(k);
        }
        out.end().end();
    }
    out.end();
}

// The scene's regions and how a small screen arranges them: the elements the
// page moves into each region. Where each goes is the program's call.
void writeLayout(PageWriter& out)
{
    out.open(at(S::Tables, "layout")).field(at(S::Layout, "captionPx"), kMinCaptionPx);
    out.open(at(S::Layout, "regions"));
    for (const RegionDef& r : regionTable()) {
        out.item().field(at(S::Region, "name"), r.name);
        rect(out, at(S::Region, "rect"), r.rect);
        out.open(at(S::Region, "members"));
        for (const ElementDef& d : elementTable()) {
            if (regionOf(d.id) == r.id && d.in == In::Window)
                out.value(d.name);
        }
        if (r.id == RegionId::Stator)
            out.value(kLanguageChooserName);
        out.end().end();
    }
    out.end().open(at(S::Layout, "moves"));
    for (const Move& m : rearrangedMoves()) {
        out.item().field(at(S::MoveRow, "name"), element(m.id).name);
        out.open(at(S::MoveRow, "at")).value(m.left).value(m.top).end().end();
    }
    out.item().field(at(S::MoveRow, "name"), kLanguageChooserName).open(at(S::MoveRow, "at"));
    out.value(kLanguageChooserRearranged[0]).value(kLanguageChooserRearranged[1]).end().end();
    out.end().open(at(S::Layout, "arrangements"));
    for (const ArrangementDef& a : arrangementTable()) {
        out.item().field(at(S::ArrangementRow, "name"), a.name).open(at(S::ArrangementRow, "columns"));
        for (const auto& column : a.columns) {
            if (column[0] == RegionId::count_)
                continue;
            out.list();
            for (const RegionId r : column) {
                if (r != RegionId::count_)
                    out.value(region(r).name);
            }
            out.end();
        }
        out.end().end();
    }
    out.end().end();
}

// Every language the page offers, by its own name; the testers' pseudo-locale
// is reached only through the address. The chooser's place and size, and how
// far a caption may shrink to fit its rectangle.
void writeLanguages(PageWriter& out)
{
    out.open(at(S::Tables, "languages"));
    for (const LanguageDef& l : languages())
        out.item().field(at(S::LanguageRow, "tag"), l.tag).field(at(S::LanguageRow, "name"), l.nativeName).end();
    out.end();
    out.open(at(S::Tables, "chooser")).field(at(S::Chooser, "name"), kLanguageChooserName);
    rect(out, at(S::Chooser, "geometry"), kLanguageChooser);
    // Its options read at the size of Set Angle's caption, the control beside it.
    out.field(at(S::Chooser, "points"), element(Id::setAngleButton).font.points).end();
    out.field(at(S::Tables, "smallestCaptionScale"), kSmallestCaptionScale);
}

// The lab's panel, in tab order, and how the field's path looks.
void writeLab(PageWriter& out)
{
    out.open(at(S::Tables, "lab"));
    for (const LabControlDef& c : labControls()) {
        out.item().field(at(S::LabRow, "name"), c.name).field(at(S::LabRow, "kind"), nameOf(kLabKindNames, c.kind));
        if (c.kind == LabKind::Amplitude)
            out.field(at(S::LabRow, "phase"), static_cast<int>(phaseOf(c.id)));
        out.end();
    }
    out.end().field(at(S::Tables, "pathColour"), hex(kFieldPathRgb)).field(at(S::Tables, "pathPen"), kFieldPathPen);
}

void writeHighContrast(PageWriter& out)
{
    scheme(out, at(S::Tables, "contrastScheme"), kHighContrastScheme);
    out.open(at(S::Tables, "contrastEtched")).value(hex(kHighContrastScheme.dark)).value(hex(kHighContrastScheme.light));
    out.end().field(at(S::Tables, "contrastPathColour"), hex(*lookRgb(kFieldPathRgb, Look::HighContrast)));
}

} // namespace

PageWriter tables()
{
    PageWriter out(S::Tables);
    out.open(at(S::Tables, "client")).value(kClientWidthTwips).value(kClientHeightTwips).end();
    out.field(at(S::Tables, "twipsPerPixel"), kTwipsPerPixel);
    scheme(out, at(S::Tables, "scheme"), kScheme);
    // A group box's etched border: the dark line, then the light one inside it.
    out.open(at(S::Tables, "etched")).value(hex(kScheme.dark)).value(hex(kScheme.light)).end();
    out.field(at(S::Tables, "captionIndent"), kCaptionIndent).field(at(S::Tables, "captionPadding"), kCaptionPadding);
    out.field(at(S::Tables, "captionLineHeight"), kCaptionLineHeight).field(at(S::Tables, "ascent"), kFontAscent);
    out.open(at(S::Tables, "tabOrder"));
    for (const Id id : tabOrder())
        out.value(element(id).name);
    out.end();
    writeElements(out);
    writeCommands(out);
    writeLayout(out);
    writeLanguages(out);
    writeLab(out);
    writeHighContrast(out);
    return out.end();
}

// An installed page is named Vantrel in every language and described in the
// student's.
PageWriter manifest(const LanguageDef& def)
{
    const Language language(def);
    PageWriter out(S::Manifest);
    out.field(at(S::Manifest, "name"), kProgramName).field(at(S::Manifest, "short_name"), kProgramName);
    out.field(at(S::Manifest, "description"), language.tr(pageDescription())).field(at(S::Manifest, "lang"), def.tag);
    out.field(at(S::Manifest, "dir"), def.rightToLeft ? "rtl" : "ltr");
    out.field(at(S::Manifest, "start_url"), "./index.html").field(at(S::Manifest, "scope"), "./");
    out.field(at(S::Manifest, "display"), "standalone").field(at(S::Manifest, "background_color"), hex(kScheme.window));
    out.field(at(S::Manifest, "theme_color"), hex(kScheme.window)).open(at(S::Manifest, "icons"));
    for (const char* size : {"192", "512"}) {
        const std::string sizes = std::string(size) + "x" + size;
        out.item().field(at(S::Icon, "src"), "icon-" + std::string(size) + ".png").field(at(S::Icon, "sizes"), sizes);
        out.field(at(S::Icon, "type"), "image/png").end();
    }
    return out.end().end();
}

} // namespace vantrel::page
