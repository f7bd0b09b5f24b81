// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program as main() builds it: the session and the window that
// shows it.
#pragma once

#include "app/session.h"
#include "desktop/mainwindow.h"
#include "desktop/sceneaccessible.h"
#include "desktop/viewcontrol.h"

#include <utility>

namespace vantrel {

// What a screen reader finds, and zoom and full screen, around a window.
inline void setUpView(MainWindow& form)
{
    setUpAccessibility(form);
    new ViewControl(form);
}

struct Program {
    Session session;
    MainWindow form{session};

    explicit Program(Language language = {})
        : session(std::move(language))
    {
        setUpView(form);
    }
};

} // namespace vantrel
