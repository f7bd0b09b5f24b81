// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/icons.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>

namespace vantrel {
namespace {

// Colours of the 16-colour VGA palette used by the two icons.
constexpr Rgba Black{0, 0, 0};
constexpr Rgba Green{0, 128, 0};
constexpr Rgba Red{255, 0, 0};
constexpr Rgba Yellow{255, 255, 0};
constexpr Rgba White{255, 255, 255};
constexpr Rgba Transparent = kTransparent;

// Distance of pixel (x, y)'s centre from the centre of a size x size square.
double distanceFromCentre(int x, int y, int size)
{
    const double half = size / 2.0;
    return std::hypot(x + 0.5 - half, y + 0.5 - half);
}

Pixels transparentSquare(int size)
{
    return Pixels(size, size, Transparent);
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

Pixels drawAbout(int size, const Glyph &glyph)
{
    Pixels image = transparentSquare(size);
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
            image.set(x, y, outline ? Black : Green);
        }
    for (int row = 0; row < int(glyph.rows.size()); ++row)
        for (int column = 0; column < int(glyph.rows[row].size()); ++column)
            if (glyph.rows[row][column] == '#')
                image.set(glyph.left + column, glyph.top + row, White);
    return image;
}

// ---- Window icon -----------------------------------------------------------

// One ring of the target, with its width in pixels measured along a radius.
struct Band {
    Rgba colour;
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
Rgba bandColour(std::span<const Band> bands, double radius, double d)
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

Pixels drawTargetExact(int size, std::span<const Band> bands)
{
    Pixels image = transparentSquare(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.set(x, y, bandColour(bands, size / 2.0, distanceFromCentre(x, y, size)));
    return image;
}

// How much of a pixel lies inside a disc's edge, which is close to straight
// across one pixel: the area of the unit square on the inner side of a line
// at `inside` pixels from the square's centre, with normal (nx, ny).
double pixelCover(double inside, double nx, double ny)
{
    const double a = std::max(std::abs(nx), std::abs(ny));
    const double b = std::min(std::abs(nx), std::abs(ny));
    const double outer = (a + b) / 2, inner = (a - b) / 2;
    if (inside <= -outer)
        return 0;
    if (inside >= outer)
        return 1;
    if (inside < -inner)
        return (inside + outer) * (inside + outer) / (2 * a * b);
    if (inside > inner)
        return 1 - (outer - inside) * (outer - inside) / (2 * a * b);
    return 0.5 + inside / a;
}

// Larger (or odd) sizes have no 16-colour constraint: each ring is a disc
// laid over the ones before, largest first, each pixel taking as much of a
// disc as its area inside the disc's edge.
Pixels drawTargetScaled(int size)
{
    Pixels image = transparentSquare(size);
    const double scale = size / 32.0;
    const double centre = size / 2.0;
    // The target is the same in all four quarters: each pixel of the top left
    // one is mirrored into the others.
    const int half = (size + 1) / 2;
    for (int y = 0; y < half; ++y)
        for (int x = 0; x < half; ++x) {
            const double dx = x + 0.5 - centre, dy = y + 0.5 - centre;
            const double d = std::sqrt(dx * dx + dy * dy);
            const double nx = d > 0 ? dx / d : 1, ny = d > 0 ? dy / d : 0;
            // Premultiplied, so that a disc's edge blends over what is under it.
            double r = 0, g = 0, b = 0, a = 0;
            double radius = centre;
            for (const Band &band : Target32) {
                const double cover = pixelCover(radius - d, nx, ny);
                if (cover == 0)
                    break; // the discs within miss this pixel too
                r = r * (1 - cover) + band.colour.r * cover;
                g = g * (1 - cover) + band.colour.g * cover;
                b = b * (1 - cover) + band.colour.b * cover;
                a = a * (1 - cover) + cover;
                radius -= band.width * scale;
            }
            if (a == 0)
                continue;
            const auto channel = [a](double premultiplied) {
                return static_cast<std::uint8_t>(std::clamp(std::lround(premultiplied / a), 0L, 255L));
            };
            const Rgba c{channel(r), channel(g), channel(b), static_cast<std::uint8_t>(std::lround(255 * a))};
            for (int mx : {x, size - 1 - x})
                for (int my : {y, size - 1 - y})
                    image.set(mx, my, c);
        }
    return image;
}

}  // namespace

Pixels makeAboutImage(int size)
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

Pixels makeTargetImage(int size)
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

} // namespace vantrel
