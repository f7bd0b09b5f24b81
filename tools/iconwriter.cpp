// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window icon's motif into a hicolor icon theme tree, one PNG per
// size, each drawn at that size by the code that draws the window icon.
//
// Usage: vantrel-iconwriter OUTPUT_DIR ICON_NAME SIZE...
// writes OUTPUT_DIR/hicolor/SIZExSIZE/apps/ICON_NAME.png for every SIZE.

#include "desktop/qtpictures.h"
#include "window/icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Painting needs no screen: the build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: vantrel-iconwriter OUTPUT_DIR ICON_NAME SIZE...\n");
        return 2;
    }
    const QDir out(args.at(1));
    const QString name = args.at(2);

    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        const QImage image = ok && size > 0 ? vantrel::toImage(vantrel::makeTargetImage(size)) : QImage();
        if (image.isNull() || image.width() != size || image.height() != size) {
            std::fprintf(stderr, "vantrel-iconwriter: cannot draw the icon at size %s\n", qPrintable(args.at(i)));
            return 1;
        }
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = out.filePath(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!out.mkpath(dir) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "vantrel-iconwriter: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
