// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/designlook.h"

#include "buildfacts.h"

#include "window/palette.h"
#include "window/presentation.h"

#include <QFontMetricsF>

#include <cmath>

namespace vantrel {

QFont designFont(const FontDef& def, double zoom)
{
    QFont font;
    // The scripts Liberation Sans lacks come from the fonts cut for them.
    QStringList families{QString::fromLatin1(def.family)};
    for (const char* family : kFontFamilies)
        families.append(QString::fromLatin1(family));
    font.setFamilies(families);
    // 1 pt is 20 twips; sizing in pixels keeps the text in step with the
    // 15-twip pixel whatever dpi the screen reports.
    font.setPixelSize(qRound(toPixels(def.points * 20.0, zoom)));
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont fittedFont(QFont font, const QString& caption, double room)
{
    const int designed = font.pixelSize();
    const int smallest = static_cast<int>(std::ceil(designed * kSmallestCaptionScale));
    for (int size = designed - 1; size >= smallest; --size) {
        if (QFontMetricsF(font).horizontalAdvance(caption) <= room)
            break;
        font.setPixelSize(size);
    }
    return font;
}

QPalette designPalette(Look look)
{
    const SchemeColours& colours = scheme(look);
    const QColor window = QColor::fromRgb(colours.window);
    const QColor text = QColor::fromRgb(colours.windowText);
    QPalette p(text, window);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::Button, QColor::fromRgb(colours.button));
    p.setColor(QPalette::Base, QColor::fromRgb(colours.base));
    p.setColor(QPalette::Text, QColor::fromRgb(colours.text));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::ButtonText, QColor::fromRgb(colours.buttonText));
    p.setColor(QPalette::Light, QColor::fromRgb(colours.light));
    p.setColor(QPalette::Midlight, QColor::fromRgb(colours.midlight));
    p.setColor(QPalette::Mid, QColor::fromRgb(colours.mid));
    p.setColor(QPalette::Dark, QColor::fromRgb(colours.dark));
    return p;
}

QColor resolveColour(const Colour& colour, Look look)
{
    const std::optional<std::uint32_t> rgb = lookRgb(colour, look);
    return rgb ? QColor::fromRgb(static_cast<QRgb>(*rgb)) : QColor(Qt::transparent);
}

QRectF pixelRect(const Geometry& g, double zoom) { return toQRectF(elementPixels(g, zoom)); }

} // namespace vantrel
