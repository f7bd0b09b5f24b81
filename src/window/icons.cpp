// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/icons.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <span>
#include <string_view>

namespace {

// Colours of the 16-colour VGA palette used by the two icons.
constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb Green = qRgb(0, 128, 0);
constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb Yellow = qRgb(255, 255, 0);
constexpr QRgb White = qRgb(255, 255, 255);
constexpr QRgb Transparent = qRgba(0, 0, 0, 0);

// Distance of pixel (x, y)'s centre from the centre of a size x size square.
double distanceFromCentre(int x, int y, int size)
{
    const double half = size / 2.0;
    return std::hypot(x + 0.5 - half, y + 0.5 - half);
}

QImage transparentSquare(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Transparent);
    return image;
}

// ---- About picture -------------------------------------------------------

// '#' marks a white pixel of the question mark; rows are listed from the
// glyph's top row, columns from its left column.
struct Glyph {
    int left;
    int top;
    std::span<const std::string_view> rows;
};

// Hook rows 3..20, an empty row 21, dot rows 22..29; columns 9..22.
constexpr std::string_view QuestionMark32[] = {
    "....######....",
    "..##########..",
    ".############.",
    "#####....#####",
    "####......####",
    "####......####",
    "####......####",
    ".##.......####",
    ".........#####",
    "........#####.",
    ".......#####..",
    "......#####...",
    ".....#####....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    ".....####.....",
    "..............",
    ".....####.....",
    "....######....",
    "....######....",
    "....######....",
    "....######....",
    "....######....",
    "....######....",
    ".....####.....",
};

// The same at half size: hook rows 1..9, empty row 10, dot rows 11..14;
// columns 4..11.
constexpr std::string_view QuestionMark16[] = {
    "..####..",
    ".######.",
    "###..###",
    "##....##",
    "......##",
    ".....###",
    "....###.",
    "...###..",
    "...##...",
    "........",
    "...##...",
    "..####..",
    "..####..",
    "...##...",
};

QImage drawAbout(int size, const Glyph &glyph)
{
    QImage image = transparentSquare(size);
    const auto inDisc = [size](int x, int y) {
        return x >= 0 && y >= 0 && x < size && y < size
            && distanceFromCentre(x, y, size) < size / 2.0;
    };
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (!inDisc(x, y))
                continue;
            // The outline is every disc pixel that touches the outside
            // edge-on, which gives an unbroken ring exactly one pixel thick.
            const bool outline = !inDisc(x - 1, y) || !inDisc(x + 1, y)
                || !inDisc(x, y - 1) || !inDisc(x, y + 1);
            image.setPixel(x, y, outline ? Black : Green);
        }
    for (int row = 0; row < int(glyph.rows.size()); ++row)
        for (int column = 0; column < int(glyph.rows[row].size()); ++column)
            if (glyph.rows[row][column] == '#')
                image.setPixel(glyph.left + column, glyph.top + row, White);
    return image;
}

// ---- Window icon -----------------------------------------------------------

// One ring of the target, with its width in pixels measured along a radius.
struct Band {
    QRgb colour;
    double width;
};

// From the edge inwards; the last band is the centre disc's radius. The
// 32-pixel target is the design; every other size scales it.
constexpr Band Target32[] = {
    {Black, 1}, {Yellow, 2}, {Black, 1}, {Red, 3},
    {Black, 1}, {Yellow, 3}, {Black, 1}, {Red, 4},
};

// At half size a pixel is the thinnest ring there is. Keeping every black
// ring would leave one-pixel rings that break up into blotches on the
// diagonals, so the two inner black rings give their room to the red and
// yellow rings beside them; yellow against red still reads as a ring edge.
constexpr Band Target16[] = {
    {Black, 1}, {Yellow, 1}, {Black, 1}, {Red, 2},
    {Black, 0}, {Yellow, 1}, {Black, 0}, {Red, 2},
};

// Colour of a pixel whose centre lies at distance d from the centre of a
// target whose outer radius is `radius`.
QRgb bandColour(std::span<const Band> bands, double radius, double d)
{
    if (d >= radius)
        return Transparent;
    double inner = radius;
    for (const Band &band : bands) {
        inner -= band.width;
        if (d >= inner)
            return band.colour;
    }
    return bands.back().colour;
}

QImage drawTargetExact(int size, std::span<const Band> bands)
{
    QImage image = transparentSquare(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, bandColour(bands, size / 2.0, distanceFromCentre(x, y, size)));
    return image;
}

// Larger (or odd) sizes have no 16-colour constraint, so antialiased discs,
// largest first, give smooth ring edges.
QImage drawTargetScaled(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double scale = size / 32.0;
    const QPointF centre(size / 2.0, size / 2.0);
    double radius = size / 2.0;
    for (const Band &band : Target32) {
        painter.setBrush(QColor(band.colour));
        painter.drawEllipse(centre, radius, radius);
        radius -= band.width * scale;
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QIcon iconFrom(std::initializer_list<QImage> images)
{
    QIcon icon;
    for (const QImage &image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

}  // namespace

QImage makeAboutImage(int size)
{
    switch (size) {
    case 32:
        return drawAbout(32, {9, 3, QuestionMark32});
    case 16:
        return drawAbout(16, {4, 1, QuestionMark16});
    default:
        return {};
    }
}

QIcon makeAboutIcon()
{
    return iconFrom({makeAboutImage(16), makeAboutImage(32)});
}

QImage makeTargetImage(int size)
{
    if (size <= 0)
        return {};
    switch (size) {
    case 32:
        return drawTargetExact(32, Target32);
    case 16:
        return drawTargetExact(16, Target16);
    default:
        return drawTargetScaled(size);
    }
}

QIcon makeWindowIcon()
{
    // The larger sizes serve desktop launchers and task switchers.
    return iconFrom({makeTargetImage(16), makeTargetImage(32), makeTargetImage(48),
                     makeTargetImage(64), makeTargetImage(128), makeTargetImage(256)});
}
