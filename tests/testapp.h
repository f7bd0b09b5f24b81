// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window with its handlers, built as main() builds it, for the tests
// that operate it.
#pragma once

#include "app/handlers.h"
#include "app/module1.h"
#include "window/form1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

struct TestApp {
    vantrel::Module1 state;
    vantrel::Form1 form{state};
    vantrel::Handlers handlers{state, form};

    TestApp()
    {
        handlers.Form_Load();
        form.show();
    }

    // Types the degrees into the box and clicks "Set Angle".
    void setAngle(const QString& text)
    {
        form.txtAngle()->setText(text);
        QTest::mouseClick(form.cmdAngle(), Qt::LeftButton);
    }

    QImage shot() { return form.grab().toImage(); }
};
