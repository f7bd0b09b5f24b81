// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/session.h"

#include "window/sceneframe.h"

#include <algorithm>
#include <utility>

namespace vantrel {

Session::Session()
    : Session(Language{})
{
}

Session::Session(Language language)
    : language_(std::move(language))
    , controls_{language_.tr(element(Id::cmdPlay).caption), element(Id::Timer1).periodMs,
                element(Id::txtAngle).caption}
    , scene_(language_)
    , handlers_(state_, controls_, form_, language_)
{
    handlers_.Form_Load();
    pending_ = {};
}

// The handlers tell the window of every control they set; the change
// tells only of those that now read differently.
template <typename Step>
Change Session::run(Step step)
{
    pending_ = {};
    const Controls before = controls_;
    step();
    pending_.controls = !(controls_ == before);
    return std::exchange(pending_, {});
}

Change Session::command(Command c)
{
    return run([this, c] {
        switch (vantrel::command(c).control) {
        case Id::cmdPlay:
            handlers_.cmdPlay_Click();
            break;
        case Id::optFast:
            handlers_.optFast_Click();
            break;
        case Id::optMed:
            handlers_.optMed_Click();
            break;
        case Id::optSlow:
            handlers_.optSlow_Click();
            break;
        case Id::cmdAngle:
            handlers_.cmdAngle_Click();
            break;
        case Id::cmdAbout:
            handlers_.cmdAbout_Click();
            break;
        default: // the view's own
            break;
        }
    });
}

Change Session::tick()
{
    return run([this] { handlers_.Timer1_Timer(); });
}

// The box shows the text already; nothing to tell.
Change Session::textChanged(std::string text)
{
    controls_.txtAngleText = std::move(text);
    return {};
}

Change Session::setLanguage(const LanguageDef& def)
{
    return run([this, &def] {
        const bool paused = controls_.cmdPlayCaption == language_.tr(kPlay);
        language_ = Language(def);
        controls_.cmdPlayCaption = language_.tr(paused ? kPlay : kPause);
        const SceneState before = scene_;
        const SceneState worded(language_);
        for (const ElementDef& e : elementTable()) {
            if (e.caption && e.id != Id::lblAngle)
                scene_[e.id].caption = worded[e.id].caption;
        }
        scene_[Id::lblAngle].caption =
            frame() ? readOutCaption(language_, frame()->degrees) : worded[Id::lblAngle].caption;
        for (Id id : changedElements(before, scene_))
            pending_.elements.push_back({id, before[id], scene_[id]});
        pending_.language = true;
        pending_.settled = description();
    });
}

std::optional<Id> Session::chosenSpeed() const { return speedOption(controls_.timerInterval); }

std::string Session::description() const { return spokenFrame(language_, frame()); }

// The frame update: angle -> frame -> element state, and what that changed.
void Session::Form::process()
{
    Session& s = session_;
    const SceneState before = s.scene_;
    writeFrame(s.frames_.next(s.state_.angle), s.scene_, s.language_);
    std::vector<ElementChange>& changed = s.pending_.elements;
    for (Id id : changedElements(before, s.scene_)) {
        const auto known = std::find_if(changed.begin(), changed.end(), [id](const auto& c) { return c.id == id; });
        if (known == changed.end())
            changed.push_back({id, before[id], s.scene_[id]});
        else
            known->after = s.scene_[id];
    }
}

void Session::Form::frameSettled() { session_.pending_.settled = session_.description(); }

void Session::Form::showAbout(const char* title, const char* text)
{
    session_.pending_.about = AboutRequest{title, text, aboutWords(session_.language_).ok};
}

std::optional<Id> speedOption(int intervalMs)
{
    switch (intervalMs) {
    case kFastMs:
        return Id::optFast;
    case kMediumMs:
        return Id::optMed;
    case kSlowMs:
        return Id::optSlow;
    default:
        return std::nullopt;
    }
}

} // namespace vantrel
