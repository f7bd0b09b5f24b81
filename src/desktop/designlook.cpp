// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/designlook.h"

namespace vantrel {

QFont designFont(const FontDef& def, double zoom)
{
    QFont font;
    font.setFamilies({QString::fromLatin1(def.family), QStringLiteral("Liberation Sans")});
    // 1 pt is 20 twips; sizing in pixels keeps the text in step with the
    // 15-twip pixel whatever dpi the screen reports.
    font.setPixelSize(qRound(toPixels(def.points * 20.0, zoom)));
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPalette designPalette()
{
    const QColor grey(0xC0, 0xC0, 0xC0);
    QPalette p(Qt::black, grey);
    p.setColor(QPalette::Window, grey);
    p.setColor(QPalette::Button, grey);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
    p.setColor(QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
    p.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    return p;
}

QColor resolveColour(const Colour& colour, const QPalette& palette)
{
    switch (colour.source) {
    case Colour::Rgb:
        return QColor::fromRgb(static_cast<QRgb>(colour.rgb));
    case Colour::ButtonText:
        return palette.color(QPalette::ButtonText);
    case Colour::WindowText:
        return palette.color(QPalette::WindowText);
    case Colour::Control:
        return palette.color(QPalette::Button);
    case Colour::None:
        break;
    }
    return Qt::transparent;
}

QRectF pixelRect(const Geometry& g, double zoom)
{
    return {toPixels(g.a, zoom), toPixels(g.b, zoom), toPixels(g.c, zoom), toPixels(g.d, zoom)};
}

QRect roundedRect(const QRectF& r)
{
    const QPoint topLeft(qRound(r.left()), qRound(r.top()));
    return {topLeft, QPoint(qRound(r.right()) - 1, qRound(r.bottom()) - 1)};
}

} // namespace vantrel
