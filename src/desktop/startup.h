// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What every process that shows the window sets up first.
#pragma once

namespace vantrel {

// Call once, right after the QApplication exists.
void setUpApplication();

} // namespace vantrel
