// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/startup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStyleFactory>

namespace vantrel {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vantrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vantrel.Vantrel"));
    // The captions are designed in Liberation Sans Bold's metrics; the program
    // carries the font, so they fit on machines that have no such font.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    // One look on every desktop, so the designed geometry fits the same everywhere.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
}

} // namespace vantrel
