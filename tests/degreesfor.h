// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any angle reached as the user reaches it: by typing degrees for Set Angle.
#pragma once

#include "scene/anglerules.h"
#include "scene/numbertext.h"

#include <QString>

// Degrees that Set Angle turns into `angle`. Above 360 it takes one turn
// off what is typed, so that turn is typed on top.
inline QString degreesFor(int angle)
{
    const double degrees = angle / vantrel::kEntryFactor;
    return QString::fromStdString(vantrel::numberToText(degrees > 360 ? degrees + 360 : degrees));
}
