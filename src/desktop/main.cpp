// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/handlerbindings.h"
#include "app/module1.h"
#include "desktop/startup.h"
#include "desktop/form1.h"

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
