// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/labpanel.h"

#include "desktop/mainwindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantrel {
namespace {

QString words(const Session& session, const Msg& msg) { return QString::fromStdString(session.language().tr(msg)); }

std::size_t indexOf(LabId id) { return static_cast<std::size_t>(id); }

} // namespace

LabPanel::LabPanel(MainWindow& form)
    : QGroupBox(&form)
    , form_(form)
{
    setObjectName(QStringLiteral("lab"));
    auto* column = new QVBoxLayout(this);
    for (const LabControlDef& def : labControls()) {
        const LabId id = def.id;
        QWidget* w = nullptr;
        switch (def.kind) {
        case LabKind::CheckBox: {
            auto* box = new QCheckBox(this);
            // Clicked, not toggled: the session's answer sets the box again
            // without pressing it a second time.
            connect(box, &QCheckBox::clicked, this, [this, id] { form_.lab(id); });
            w = box;
            break;
        }
        case LabKind::Amplitude: {
            auto* spin = new QSpinBox(this);
            spin->setRange(0, kLargestAmplitude);
            spin->setSingleStep(kAmplitudeStep);
            spin->setSuffix(QStringLiteral(" %"));
            // A value typed digit by digit is taken once it is complete.
            spin->setKeyboardTracking(false);
            connect(spin, &QSpinBox::valueChanged, this,
                    [this, id](int percent) { form_.setAmplitude(phaseOf(id), percent); });
            auto* row = new QHBoxLayout;
            auto* label = new QLabel(this);
            label->setBuddy(spin);
            labels_[indexOf(id)] = label;
            row->addWidget(label, 1);
            row->addWidget(spin);
            column->addLayout(row);
            w = spin;
            break;
        }
        case LabKind::Button: {
            auto* button = new QPushButton(this);
            // The steps are the lab's commands, with keys of their own.
            const auto step = id == LabId::stepBack      ? Command::StepBack
                              : id == LabId::stepForward ? Command::StepForward
                                                         : Command::Lab;
            if (step != Command::Lab)
                connect(button, &QPushButton::clicked, this, [this, step] { form_.run(step); });
            else
                connect(button, &QPushButton::clicked, this, [this, id] { form_.lab(id); });
            w = button;
            break;
        }
        case LabKind::ReadOut: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            w = label;
            break;
        }
        }
        w->setObjectName(QString::fromLatin1(def.name));
        if (def.kind != LabKind::Amplitude)
            column->addWidget(w);
        controls_[indexOf(id)] = w;
    }
    column->addStretch(1);
    showWords(form.session());
    showLab(form.session());
}

QLabel* LabPanel::readOut() const { return static_cast<QLabel*>(control(LabId::fieldSize)); }

void LabPanel::showWords(const Session& session)
{
    setTitle(words(session, labTitle()));
    for (const LabControlDef& def : labControls()) {
        QWidget* w = control(def.id);
        if (def.kind == LabKind::ReadOut)
            continue;
        const QString caption = words(session, def.caption);
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setText(caption);
        if (QLabel* label = labels_[indexOf(def.id)])
            label->setText(caption);
        w->setAccessibleName(caption);
    }
    showFieldSize(session, true);
}

void LabPanel::showLab(const Session& session)
{
    const Experiment& experiment = session.experiment();
    for (const LabControlDef& def : labControls()) {
        if (def.kind == LabKind::CheckBox) {
            auto* box = static_cast<QCheckBox*>(control(def.id));
            box->setChecked(labChecked(def.id, experiment, session.labView()));
        } else if (def.kind == LabKind::Amplitude) {
            auto* spin = static_cast<QSpinBox*>(control(def.id));
            const QSignalBlocker quiet(spin);
            spin->setValue(experiment.amplitude[phaseOf(def.id)]);
        }
    }
    showFieldSize(session, true);
}

void LabPanel::showFieldSize(const Session& session, bool settled)
{
    // Before the first frame the designed scene shows a balanced field.
    const double now = session.frame() ? fieldSize(*session.frame()) : 1.5;
    const FieldSweep& sweep = session.fieldSweep();
    const QString text =
        QString::fromStdString(fieldSizeCaption(session.language(), now, sweep.smallest, sweep.largest));
    if (readOut()->text() != text)
        readOut()->setText(text);
    // A name of its own keeps Qt from telling a reader of every new text.
    if (settled && readOut()->accessibleName() != text)
        readOut()->setAccessibleName(text);
}

} // namespace vantrel
