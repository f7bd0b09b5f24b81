// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/handlerbindings.h"

#include "desktop/commandkeys.h"
#include "desktop/form1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

namespace vantrel {

HandlerBindings::HandlerBindings(Handlers& handlers, Controls& controls, Form1& form)
    : QObject(&form)
{
    Handlers* h = &handlers;
    connect(form.Timer1(), &QTimer::timeout, this, [h] { h->Timer1_Timer(); });
    connect(form.cmdPlay(), &QPushButton::clicked, this, [h] { h->cmdPlay_Click(); });
    connect(form.optFast(), &QRadioButton::clicked, this, [h] { h->optFast_Click(); });
    connect(form.optMed(), &QRadioButton::clicked, this, [h] { h->optMed_Click(); });
    connect(form.optSlow(), &QRadioButton::clicked, this, [h] { h->optSlow_Click(); });
    connect(form.cmdAngle(), &QPushButton::clicked, this, [h] { h->cmdAngle_Click(); });
    connect(form.txtAngle(), &QLineEdit::textChanged, this,
            [&controls](const QString& text) { controls.txtAngleText = text.toStdString(); });
    // The box takes Return and Enter for itself and says so with this signal.
    connect(form.txtAngle(), &QLineEdit::returnPressed, this, [h] { h->cmdAngle_Click(); });
    connect(&form, &Form1::cmdAboutClicked, this, [h] { h->cmdAbout_Click(); });
    for (const QKeySequence& key : keysOf(Command::About))
        connect(new QShortcut(key, &form, nullptr, nullptr, Qt::WindowShortcut), &QShortcut::activated, this,
                [h] { h->cmdAbout_Click(); });
}

} // namespace vantrel
