// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keys of the window's commands as Qt reads them.
#pragma once

#include "window/commands.h"

#include <QKeySequence>
#include <QList>

namespace vantrel {

QList<QKeySequence> keysOf(Command c);

} // namespace vantrel
