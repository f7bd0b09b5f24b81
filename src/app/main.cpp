// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/handlers.h"
#include "app/module1.h"
#include "app/startup.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    vantrel::setUpApplication();

    vantrel::Module1 state;
    vantrel::Form1 form(state);
    vantrel::Handlers handlers(state, form);
    handlers.Form_Load();
    form.show();
    return QApplication::exec();
}
