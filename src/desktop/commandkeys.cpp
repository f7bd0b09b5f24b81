// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/commandkeys.h"

namespace vantrel {

QList<QKeySequence> keysOf(Command c)
{
    QList<QKeySequence> keys;
    for (const char* key : command(c).keys) {
        if (key)
            keys.append(QKeySequence::fromString(QString::fromLatin1(key), QKeySequence::PortableText));
    }
    return keys;
}

} // namespace vantrel
