// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window with its session, built as main() builds it, for the tests
// that operate it.
#pragma once

#include "degreesfor.h"

#include "desktop/program.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

struct TestApp : vantrel::Program {
    TestApp() { form.show(); }

    const vantrel::AnimationState& state = session.state();

    // Types the degrees into the box and clicks "Set Angle".
    void setAngle(const QString& text)
    {
        form.angleBox()->setText(text);
        QTest::mouseClick(form.setAngleButton(), Qt::LeftButton);
    }

    // Draws any angle, as the user can: through Set Angle. The degrees go
    // straight to the session, as the box would pass them on; laying out the
    // box's text for each of 65536 angles would cost more than the frames.
    void goTo(int angle)
    {
        session.textChanged(degreesFor(angle).toStdString());
        form.run(vantrel::Command::SetAngle);
    }

    QImage shot() { return form.grab().toImage(); }
};
