// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/program.h"
#include "desktop/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    vantrel::setUpApplication();

    vantrel::Program program;
    vantrel::quitAfterFirstFrameIfAsked(program.form);
    program.form.show();
    return QApplication::exec();
}
