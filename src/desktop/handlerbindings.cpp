// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/handlerbindings.h"

#include "scene/anglerules.h"
#include "desktop/form1.h"
#include "desktop/sceneaccessible.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

namespace vantrel {

Handlers::Handlers(Module1& state, Form1& form)
    : state_(state)
    , form_(form)
{
    connect(form.Timer1(), &QTimer::timeout, this, &Handlers::Timer1_Timer);
    connect(form.cmdPlay(), &QPushButton::clicked, this, &Handlers::cmdPlay_Click);
    connect(form.optFast(), &QRadioButton::clicked, this, &Handlers::optFast_Click);
    connect(form.optMed(), &QRadioButton::clicked, this, &Handlers::optMed_Click);
    connect(form.optSlow(), &QRadioButton::clicked, this, &Handlers::optSlow_Click);
    connect(form.cmdAngle(), &QPushButton::clicked, this, &Handlers::cmdAngle_Click);
    // Enter in the box is the natural way to say "go to this angle".
    connect(form.txtAngle(), &QLineEdit::returnPressed, this, &Handlers::cmdAngle_Click);
    connect(&form, &Form1::cmdAboutClicked, this, &Handlers::cmdAbout_Click);
    // The picture takes no focus, so the desktop's help key stands in for a
    // click on it from wherever the focus is.
    auto* help = new QShortcut(QKeySequence::HelpContents, &form);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &Handlers::cmdAbout_Click);
}

void Handlers::Form_Load() { form_.Timer1()->setInterval(kMediumMs); }

void Handlers::Timer1_Timer()
{
    if (state_.playing != 1)
        return;
    state_.angle = nextAngle(state_.angle);
    form_.process();
}

// The button's caption, not the flag, says which way to switch.
void Handlers::cmdPlay_Click()
{
    QPushButton* button = form_.cmdPlay();
    if (button->text() == QLatin1String("Play")) {
        state_.playing = 1;
        button->setText(QStringLiteral("Pause"));
    } else {
        state_.playing = 0;
        button->setText(QStringLiteral("Play"));
        announceFrame(form_);
    }
}

void Handlers::optFast_Click() { form_.Timer1()->setInterval(kFastMs); }
void Handlers::optMed_Click() { form_.Timer1()->setInterval(kMediumMs); }
void Handlers::optSlow_Click() { form_.Timer1()->setInterval(kSlowMs); }

void Handlers::cmdAngle_Click()
{
    QLineEdit* box = form_.txtAngle();
    const SetAngleOutcome outcome = setAngleFromText(box->text().toStdString(), state_.angle);
    if (outcome.writtenText)
        box->setText(QString::fromStdString(*outcome.writtenText));
    state_.angle = outcome.angle;
    form_.process();
    announceFrame(form_);
}

void Handlers::cmdAbout_Click()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Vantrel"),
                    QStringLiteral(" This demo is developed by Oskendar"), QMessageBox::Ok, &form_);
    box.exec();
}

} // namespace vantrel
