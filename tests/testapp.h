// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window with its handlers, built as main() builds it, for the tests
// that operate it.
#pragma once

#include "desktop/program.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

struct TestApp : vantrel::Program {
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
