// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/bridge.h"

#include "scene/anglerules.h"
#include "web/contract.h"
#include "window/icons.h"
#include "window/labaddress.h"
#include "window/layout.h"
#include "window/locales.h"
#include "window/presentation.h"

#include <algorithm>
#include <cmath>

namespace vantrel::page {
namespace {

using S = Shape;

void writeControls(PageWriter& out, const Session& session)
{
    const Controls& c = session.controls();
    out.open(at(S::Answer, "controls"));
    out.field(at(S::Controls, "cmdPlay"), session.playCaption()).field(at(S::Controls, "txtAngle"), c.angleText);
    out.field(at(S::Controls, "interval"), c.tickMs);
    // The option button that shows the speed; none when no speed has it.
    if (const std::optional<Id> chosen = session.chosenSpeed())
        out.field(at(S::Controls, "speed"), element(*chosen).name);
    else
        out.null(at(S::Controls, "speed"));
    out.end();
}

// The page draws in designed pixels and lets the browser scale, so a line's
// ends follow the rule for its designed width.
void writeElement(PageWriter& out, Id id, const ElementState& s, bool withCaption)
{
    const ElementDef& def = element(id);
    out.item().field(at(S::ElementChange, "name"), def.name).field(at(S::ElementChange, "visible"), s.visible);
    if (def.kind == Kind::Line) {
        out.field(at(S::ElementChange, "x1"), s.x1).field(at(S::ElementChange, "y1"), s.y1);
        out.field(at(S::ElementChange, "x2"), s.x2).field(at(S::ElementChange, "y2"), s.y2);
        out.field(at(S::ElementChange, "round"), hasRoundEnds(def, s, def.penWidth));
    }
    if (withCaption && def.caption)
        out.field(at(S::ElementChange, "caption"), s.caption);
    out.end();
}

// Every word beyond the captions: the page's, and what a screen reader says
// of an element besides its caption, its name and its hint.
void writeWords(PageWriter& out, const Language& language)
{
    out.open(at(S::Answer, "words")).field(at(S::Words, "title"), kProgramName);
    out.field(at(S::Words, "description"), language.tr(pageDescription()));
    out.field(at(S::Words, "scene"), language.tr(sceneName())).field(at(S::Words, "ok"), aboutWords(language).ok);
    out.field(at(S::Words, "chooser"), language.tr(languageChooserName())).open(at(S::Words, "spoken"));
    for (const ElementDef& def : elementTable()) {
        const SpokenWords spoken = spokenWords(def.id);
        if (!spoken.name && !spoken.description)
            continue;
        out.item(def.name);
        if (spoken.name)
            out.field(at(S::Spoken, "name"), language.tr(spoken.name));
        if (spoken.description)
            out.field(at(S::Spoken, "hint"), language.tr(spoken.description));
        out.end();
    }
    out.end();
    out.field(at(S::Words, "labTitle"), language.tr(labTitle())).open(at(S::Words, "lab"));
    for (const LabControlDef& c : labControls())
        out.value(c.caption.id ? language.tr(c.caption) : std::string());
    out.end().field(at(S::Words, "copyLink"), language.tr(copyLinkCaption()));
    out.field(at(S::Words, "contrast"), language.tr(highContrastCaption())).end();
}

void writeLab(PageWriter& out, const Session& s, bool chartChanged)
{
    const Experiment& e = s.experiment();
    out.open(at(S::Answer, "lab")).field(at(S::Lab, "open"), s.labView().open).open(at(S::Lab, "checked"));
    for (const LabControlDef& c : labControls()) {
        if (c.kind == LabKind::CheckBox && labChecked(c.id, e, s.labView()))
            out.value(c.name);
    }
    out.end().open(at(S::Lab, "amplitudes"));
    for (const int a : e.amplitude)
        out.value(a);
    out.end();
    if (s.labView().path) {
        out.open(at(S::Lab, "path"));
        for (const Point& p : s.fieldSweep().path)
            out.value(p.x).value(p.y);
        out.end();
    }
    out.field(at(S::Lab, "chart"), chartChanged).end();
}

// The field's size in the frame on screen; before the first frame, the
// designed scene's, which the sweep's first point is.
std::string fieldSizeNow(const Session& s)
{
    const FieldSweep& sweep = s.fieldSweep();
    double now = 0;
    if (s.frame())
        now = fieldSize(*s.frame());
    else if (!sweep.path.empty())
        now = std::hypot(sweep.path[0].x - kPhasorCentre, sweep.path[0].y - kPhasorCentre) / kPeakTwips;
    return fieldSizeCaption(s.language(), now, sweep.smallest, sweep.largest);
}

} // namespace

// What one call changed; "{}" when nothing did, as on a paused tick. With
// `whole`, everything that can change, as if all of it just had.
std::string Bridge::answer(const Change& change, bool whole)
{
    const Session& s = session_;
    PageWriter out(S::Answer);
    if (change.controls || whole)
        writeControls(out, s);
    if (!change.elements.empty() || whole) {
        out.open(at(S::Answer, "elements"));
        for (const ElementChange& e : change.elements)
            writeElement(out, e.id, e.after, true);
        for (const ElementDef& def : elementTable()) {
            // Play's caption and the box's text are the controls', sent above.
            if (whole && roleOf(def.id) != Role::None)
                writeElement(out, def.id, s.scene()[def.id], def.id != Id::playButton && def.id != Id::angleBox);
        }
        out.end();
    }
    if (change.settled || whole)
        out.field(at(S::Answer, "settled"), whole ? s.description() : *change.settled);
    if (const std::optional<AboutRequest>& about = change.about) {
        out.open(at(S::Answer, "about")).field(at(S::About, "title"), about->title);
        out.field(at(S::About, "text"), about->text).field(at(S::About, "ok"), about->ok).end();
    }
    if (whole) {
        writeWords(out, s.language());
        const LanguageDef& language = s.language().def();
        out.open(at(S::Answer, "language")).field(at(S::Language, "tag"), language.tag);
        out.field(at(S::Language, "rightToLeft"), language.rightToLeft).end();
    }
    if (change.lab || whole) {
        const bool chartChanged = !(s.experiment() == charted_);
        charted_ = s.experiment();
        writeLab(out, s, chartChanged);
    }
    // The read-out follows every frame while the panel shows it.
    if (change.lab || whole || change.language || (s.labView().open && !change.elements.empty()))
        out.field(at(S::Answer, "fieldSize"), fieldSizeNow(s));
    out.end();
    if (fault_.empty())
        fault_ = out.fault();
    return out.text();
}

std::string Bridge::start() { return answer({}, true); }

std::string Bridge::command(int row)
{
    const auto commands = commandTable();
    if (row < 0 || static_cast<std::size_t>(row) >= commands.size())
        return answer({});
    return answer(session_.command(commands[static_cast<std::size_t>(row)].command));
}

std::string Bridge::tick() { return answer(session_.tick()); }

std::string Bridge::textChanged(std::string_view text) { return answer(session_.textChanged(std::string(text))); }

std::string Bridge::setLanguage(std::string_view tags)
{
    return answer(session_.setLanguage(languageAskedFor(std::string(tags))), true);
}

std::string Bridge::lab(int row)
{
    const auto controls = labControls();
    if (row < 0 || static_cast<std::size_t>(row) >= controls.size())
        return answer({});
    return answer(session_.lab(controls[static_cast<std::size_t>(row)].id));
}

std::string Bridge::amplitude(int phase, int percent)
{
    if (phase < 0 || phase > 2)
        return answer({});
    return answer(session_.setAmplitude(static_cast<Phase>(phase), percent));
}

std::string Bridge::openLink(std::string_view lines)
{
    const LabLink asked = labFromLines(lines);
    if (!asked.view.open)
        return answer({});
    Change change = session_.setExperiment(asked.experiment);
    Change viewed = session_.setLabView(asked.view);
    change.lab = change.lab || viewed.lab;
    change.elements.insert(change.elements.end(), viewed.elements.begin(), viewed.elements.end());
    return answer(change);
}

std::string Bridge::link()
{
    std::string query = labQuery(session_.experiment(), session_.labView());
    if (const std::optional<Frame>& frame = session_.frame())
        query = "angle=" + angleText(frame->angle) + (query.empty() ? "" : "&") + query;
    PageWriter out(S::Answer);
    out.field(at(S::Answer, "link"), query).end();
    if (fault_.empty())
        fault_ = out.fault();
    return out.text();
}

std::string Bridge::layout(double widthPx, double heightPx, bool coarsePointer)
{
    const Arrangement a = arrangementFor(widthPx, heightPx, coarsePointer);
    PageWriter out(S::Arranged);
    out.field(at(S::Arranged, "arrangement"), arrangementTable()[static_cast<std::size_t>(a)].name);
    out.open(at(S::Arranged, "regions"));
    double bottom = 0;
    for (const RegionBox& b : arrangeRegions(a, widthPx, heightPx)) {
        out.item().field(at(S::RegionBox, "region"), region(b.region).name).field(at(S::RegionBox, "scale"), b.scale);
        out.field(at(S::RegionBox, "left"), b.left).field(at(S::RegionBox, "top"), b.top);
        out.field(at(S::RegionBox, "width"), b.width).field(at(S::RegionBox, "height"), b.height).end();
        bottom = std::max(bottom, b.top + b.height);
    }
    out.end().field(at(S::Arranged, "height"), bottom + kPageMarginPx);
    return out.end().text();
}

} // namespace vantrel::page
