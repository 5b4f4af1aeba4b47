// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "drawing/color.h"

// A 32-bit image in memory, rows top to bottom, every pixel white when made.
class Bitmap {
public:
    // A negative size counts as 0.
    Bitmap(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(std::int64_t x, std::int64_t y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }

    // Callers stay inside the image.
    Color Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetPixel(int x, int y, Color color) { pixels_[Index(x, y)] = color; }
    Color* Row(int y) { return pixels_.data() + Index(0, y); }
    const Color* Row(int y) const { return pixels_.data() + Index(0, y); }
    std::uint8_t* Bytes() { return reinterpret_cast<std::uint8_t*>(pixels_.data()); }
    int BytesPerLine() const { return width_ * static_cast<int>(sizeof(Color)); }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Color> pixels_;
};
