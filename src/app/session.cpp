// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/session.h"

#include "scene/anglerules.h"
#include "window/sceneframe.h"

#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

FieldSweep sweepOf(const Experiment& experiment)
{
    FieldSweep sweep;
    std::array<Marks, 3> marks = kDesignedMarks;
    sweep.smallest = 1e9;
    for (int angle = 0; angle <= kLastTick; ++angle) {
        const Frame f = frameAt(static_cast<std::int16_t>(angle), marks, experiment);
        marks = f.marks();
        sweep.path.push_back(f.resultant);
        sweep.smallest = std::min(sweep.smallest, fieldSize(f));
        sweep.largest = std::max(sweep.largest, fieldSize(f));
    }
    return sweep;
}

int nearestStep(int percent)
{
    const int clamped = std::clamp(percent, 0, kLargestAmplitude);
    return (clamped + kAmplitudeStep / 2) / kAmplitudeStep * kAmplitudeStep;
}

} // namespace

Session::Session()
    : Session(Language{})
{
}

// The ticker's designed period is replaced by Medium's before the first tick.
Session::Session(Language language)
    : language_(std::move(language))
    , controls_{kMediumMs, element(Id::angleBox).caption}
    , scene_(language_)
    , sweep_(sweepOf(experiment_))
{
}

// A step may set a control to what it already held; the change tells only
// of those that now read differently.
template <typename Step>
Change Session::run(Step step)
{
    pending_ = {};
    const Controls before = controls_;
    const bool wasPlaying = state_.playing;
    step();
    pending_.controls = !(controls_ == before) || state_.playing != wasPlaying;
    return std::exchange(pending_, {});
}

Change Session::command(Command c)
{
    return run([this, c] {
        switch (c) {
        case Command::PlayPause:
            togglePlay();
            break;
        case Command::Fast:
            setSpeed(kFastMs);
            break;
        case Command::Medium:
            setSpeed(kMediumMs);
            break;
        case Command::Slow:
            setSpeed(kSlowMs);
            break;
        case Command::SetAngle:
            setAngle();
            break;
        case Command::About:
            showAbout();
            break;
        case Command::Lab:
            applyLabView({!labView_.open, labView_.path, labView_.fieldHidden});
            break;
        case Command::StepBack:
            step(false);
            break;
        case Command::StepForward:
            step(true);
            break;
        default: // the view's own
            break;
        }
    });
}

Change Session::tick()
{
    return run([this] {
        if (!state_.playing)
            return;
        state_.angle = nextAngle(state_.angle);
        drawFrame();
    });
}

// The box shows the text already; nothing to tell.
Change Session::textChanged(std::string text)
{
    controls_.angleText = std::move(text);
    return {};
}

Change Session::setLanguage(const LanguageDef& def)
{
    return run([this, &def] {
        language_ = Language(def);
        const SceneState before = scene_;
        const SceneState worded(language_);
        for (const ElementDef& e : elementTable()) {
            if (e.caption && e.id != Id::readOut)
                scene_[e.id].caption = worded[e.id].caption;
        }
        scene_[Id::readOut].caption =
            frame() ? readOutCaption(language_, frame()->degrees) : worded[Id::readOut].caption;
        for (Id id : changedElements(before, scene_))
            pending_.elements.push_back({id, before[id], scene_[id]});
        // Play's caption is in the new language, which the front end reads
        // again for every word.
        pending_.language = true;
        pending_.settled = description();
    });
}

std::string Session::playCaption() const { return language_.tr(state_.playing ? kPause : kPlay); }

std::optional<Id> Session::chosenSpeed() const { return speedOption(controls_.tickMs); }

std::string Session::description() const
{
    std::string words = spokenFrame(language_, frame());
    const std::string lab = spokenExperiment(language_, experiment_, sweep_.smallest, sweep_.largest);
    return lab.empty() ? words : words + ' ' + lab;
}

void Session::togglePlay()
{
    state_.playing = !state_.playing;
    if (!state_.playing)
        settle();
}

void Session::setSpeed(int tickMs) { controls_.tickMs = tickMs; }

void Session::setAngle()
{
    const SetAngleOutcome outcome = setAngleFromText(controls_.angleText, state_.angle, language_.decimalMark() == ',');
    if (outcome.writtenText)
        controls_.angleText = *outcome.writtenText;
    state_.angle = outcome.angle;
    drawFrame();
    settle();
}

void Session::showAbout()
{
    AboutWords about = aboutWords(language_);
    pending_.about = AboutRequest{std::move(about.title), std::move(about.text), std::move(about.ok)};
}

void Session::drawFrame()
{
    const SceneState before = scene_;
    writeFrame(frames_.next(state_.angle, experiment_), scene_, language_);
    std::vector<ElementChange>& changed = pending_.elements;
    for (Id id : changedElements(before, scene_)) {
        const auto known = std::find_if(changed.begin(), changed.end(), [id](const auto& c) { return c.id == id; });
        if (known == changed.end())
            changed.push_back({id, before[id], scene_[id]});
        else
            known->after = scene_[id];
    }
}

void Session::settle() { pending_.settled = description(); }


Change Session::setExperiment(Experiment experiment)
{
    return run([this, &experiment] { applyExperiment(experiment); });
}

Change Session::setLabView(LabView view)
{
    return run([this, view] { applyLabView(view); });
}

Change Session::lab(LabId id)
{
    return run([this, id] {
        switch (id) {
        case LabId::stepBack:
            step(false);
            break;
        case LabId::stepForward:
            step(true);
            break;
        case LabId::designed:
            applyExperiment({});
            applyLabView({labView_.open, false, false});
            break;
        default: {
            Experiment experiment = experiment_;
            LabView view = labView_;
            labToggle(id, experiment, view);
            applyExperiment(experiment);
            applyLabView(view);
            break;
        }
        }
    });
}

Change Session::setAmplitude(Phase phase, int percent)
{
    return run([this, phase, percent] {
        Experiment experiment = experiment_;
        experiment.amplitude[phase] = percent;
        applyExperiment(experiment);
    });
}

void Session::applyExperiment(Experiment experiment)
{
    for (int& a : experiment.amplitude)
        a = nearestStep(a);
    if (experiment == experiment_)
        return;
    experiment_ = experiment;
    sweep_ = sweepOf(experiment_);
    pending_.lab = true;
    drawFrame();
    settle();
}

void Session::applyLabView(LabView view)
{
    if (view == labView_)
        return;
    labView_ = view;
    pending_.lab = true;
    const SceneState before = scene_;
    scene_[Id::resultant].visible = !labView_.fieldHidden;
    for (Id id : changedElements(before, scene_))
        pending_.elements.push_back({id, before[id], scene_[id]});
}

// Steps go round the cycle that the tick runs, from wherever Set Angle left
// the angle.
void Session::step(bool forward)
{
    if (state_.playing || !labView_.open)
        return;
    const int angle = state_.angle;
    if (forward)
        state_.angle = nextAngle(state_.angle);
    else
        state_.angle = static_cast<std::int16_t>(angle <= 0 || angle > kLastTick ? kLastTick : angle - 1);
    drawFrame();
    settle();
}

std::optional<Id> speedOption(int tickMs)
{
    switch (tickMs) {
    case kFastMs:
        return Id::fastOption;
    case kMediumMs:
        return Id::mediumOption;
    case kSlowMs:
        return Id::slowOption;
    default:
        return std::nullopt;
    }
}

} // namespace vantrel
