// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "drawing/color.h"

// The pixels of a 32-bit image, wherever they are: rows top to bottom, `stride` pixels apart from
// one row to the next. A view: the pixels belong to a Bitmap or to the window's own backing
// store, and the canvas draws on them.
class Pixels {
public:
    Pixels() = default;  // no pixels at all
    Pixels(Color* first, int width, int height, std::ptrdiff_t stride)
        : first_(first), width_(width), height_(height), stride_(stride) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    bool Contains(std::int64_t x, std::int64_t y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }

    // Callers stay inside the image.
    Color* Row(int y) const { return first_ + y * stride_; }
    Color Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, Color color) const { Row(y)[x] = color; }
    std::ptrdiff_t Stride() const { return stride_; }
    std::uint8_t* Bytes() const { return reinterpret_cast<std::uint8_t*>(first_); }
    std::ptrdiff_t BytesPerLine() const {
        return stride_ * static_cast<std::ptrdiff_t>(sizeof(Color));
    }

    // The pixels of the box, cut to the image: the same memory, counted from the box's corner.
    Pixels Part(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) const;

private:
    Color* first_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::ptrdiff_t stride_ = 0;
};

// A 32-bit image in memory of its own, rows top to bottom, every pixel white when made.
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
    const Color* Row(int y) const { return pixels_.data() + Index(0, y); }

    // Valid while the bitmap lives and keeps its size.
    Pixels View() { return Pixels(pixels_.data(), width_, height_, width_); }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Color> pixels_;
};
