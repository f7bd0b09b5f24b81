// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window icon as PNG files, each drawn at its own size by the code
// that draws the window icon: the hicolor theme's icons and the page's. No
// toolkit, so that every build that has the core can make them.
//
// Usage: vantrel-iconwriter SIZE FILE [SIZE FILE]...
// writes the icon at SIZE x SIZE pixels to FILE, making its folder if needed.
//
// The icon is held in few colours (its rings and their antialiased edges), so
// each file is the smaller of two encodings of the same pixels: an indexed one
// with its palette, where there are at most 256 colours, and full RGBA.

#include "window/icons.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void putU32(Bytes& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void putChunk(Bytes& png, std::string_view kind, const Bytes& body)
{
    putU32(png, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), kind.begin(), kind.end());
    png.insert(png.end(), body.begin(), body.end());
    const uLong crc = crc32(0, png.data() + start, static_cast<uInt>(png.size() - start));
    putU32(png, static_cast<std::uint32_t>(crc));
}

// rows: each row led by its filter byte (0, none), as the IDAT stream holds it.
Bytes encode(int size, std::uint8_t colourType, const Bytes& rows, const Bytes& palette, const Bytes& alphas)
{
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Bytes header;
    putU32(header, static_cast<std::uint32_t>(size));
    putU32(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, colourType, 0, 0, 0}); // 8 bits, deflate, no filter choice, no interlace
    putChunk(png, "IHDR", header);
    if (!palette.empty()) {
        putChunk(png, "PLTE", palette);
        putChunk(png, "tRNS", alphas);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), 9) != Z_OK)
        return {};
    packed.resize(packedSize);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", {});
    return png;
}

Bytes iconPng(int size)
{
    const vantrel::Pixels icon = vantrel::makeTargetImage(size);
    if (icon.width() != size || icon.height() != size)
        return {};
    const std::size_t rowBytes = static_cast<std::size_t>(size) * 4;

    Bytes rgbaRows;
    for (int y = 0; y < size; ++y) {
        rgbaRows.push_back(0);
        const std::uint8_t* row = icon.data() + y * rowBytes;
        rgbaRows.insert(rgbaRows.end(), row, row + rowBytes);
    }
    const Bytes full = encode(size, 6, rgbaRows, {}, {});

    // The palette in the colours' byte order, so that the same pixels always
    // make the same file.
    using Colour = std::array<std::uint8_t, 4>;
    std::map<Colour, std::uint8_t> index;
    for (std::size_t i = 0; i < icon.byteCount(); i += 4) {
        index.try_emplace({icon.data()[i], icon.data()[i + 1], icon.data()[i + 2], icon.data()[i + 3]}, 0);
        if (index.size() > 256)
            return full;
    }
    Bytes palette, alphas;
    std::uint8_t next = 0;
    for (auto& [colour, at] : index) {
        at = next++;
        palette.insert(palette.end(), colour.begin(), colour.begin() + 3);
        alphas.push_back(colour[3]);
    }
    Bytes indexRows;
    for (int y = 0; y < size; ++y) {
        indexRows.push_back(0);
        for (int x = 0; x < size; ++x) {
            const vantrel::Rgba c = icon.at(x, y);
            indexRows.push_back(index.at({c.r, c.g, c.b, c.a}));
        }
    }
    const Bytes indexed = encode(size, 3, indexRows, palette, alphas);
    return indexed.empty() || indexed.size() >= full.size() ? full : indexed;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: vantrel-iconwriter SIZE FILE [SIZE FILE]...\n");
        return 2;
    }
    for (int i = 1; i < argc; i += 2) {
        const std::string_view text = argv[i];
        int size = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
        const Bytes png = error == std::errc() && end == text.data() + text.size() && size >= 16 && size <= 1024
                              ? iconPng(size)
                              : Bytes();
        if (png.empty()) {
            std::fprintf(stderr, "vantrel-iconwriter: cannot draw the icon at size %s (16 to 1024)\n", argv[i]);
            return 1;
        }
        const std::filesystem::path path = argv[i + 1];
        std::error_code ignored; // a missing folder shows as the file failing to open
        if (path.has_parent_path())
            std::filesystem::create_directories(path.parent_path(), ignored);
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
        if (!file.flush()) {
            std::fprintf(stderr, "vantrel-iconwriter: cannot write %s\n", argv[i + 1]);
            return 1;
        }
    }
    return 0;
}
