#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Vantrel and opens its window. The build
# starts the program itself (the run target), from wherever it put it; the
# exit status is the program's. scripts/test.sh runs this very script.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset default >/dev/null
exec cmake --build --preset default --target run -j"$(nproc)"
