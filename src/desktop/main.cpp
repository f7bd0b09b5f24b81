// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/program.h"
#include "desktop/startup.h"

#include <QApplication>

#include <cstdlib>
#include <utility>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The language the environment asks for, as gettext would choose it,
    // whether or not the machine has that locale installed.
    vantrel::Language language(vantrel::languageFromEnvironment(std::getenv));
    vantrel::setUpApplication(language);
    const vantrel::CommandLine options = vantrel::readCommandLine(QApplication::arguments(), language);

    vantrel::Program program(std::move(language));
    program.form.setHighContrast(options.highContrast);
    vantrel::quitAfterFirstFrameIfAsked(program.form);
    program.form.show();
    return QApplication::exec();
}
