// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture as plain bytes, which every front end can turn into its own kind
// of image: a toolkit's image, a canvas's ImageData, a PNG.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantrel {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

constexpr Rgba rgb(std::uint32_t rrggbb)
{
    return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
            static_cast<std::uint8_t>(rrggbb), 255};
}

inline constexpr Rgba kTransparent{0, 0, 0, 0};

// Rows from the top, four bytes a pixel in the order red, green, blue and
// alpha, alpha not premultiplied.
class Pixels {
public:
    Pixels() = default;
    Pixels(int width, int height, Rgba fill)
        : width_(width)
        , height_(height)
        , rgba_(static_cast<std::size_t>(width) * height * 4)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                set(x, y, fill);
    }

    int width() const { return width_; }
    int height() const { return height_; }
    bool isNull() const { return rgba_.empty(); }
    const std::uint8_t* data() const { return rgba_.data(); }
    std::size_t byteCount() const { return rgba_.size(); }

    Rgba at(int x, int y) const
    {
        const std::uint8_t* p = &rgba_[offset(x, y)];
        return {p[0], p[1], p[2], p[3]};
    }
    void set(int x, int y, Rgba c)
    {
        std::uint8_t* p = &rgba_[offset(x, y)];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
        p[3] = c.a;
    }

    friend bool operator==(const Pixels&, const Pixels&) = default;

private:
    std::size_t offset(int x, int y) const { return (static_cast<std::size_t>(y) * width_ + x) * 4; }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> rgba_;
};

} // namespace vantrel
