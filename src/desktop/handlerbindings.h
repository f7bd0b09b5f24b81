// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's events passed to their handlers.
#pragma once

#include "app/handlers.h"

#include <QObject>

namespace vantrel {

class Form1;

class HandlerBindings : public QObject {
    Q_OBJECT
public:
    // Connects every control's event to its handler, and keeps the program's
    // copy of the angle box's text up to date as the user types.
    HandlerBindings(Handlers& handlers, Controls& controls, Form1& form);
};

} // namespace vantrel
