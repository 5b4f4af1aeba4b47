// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/bitmap.h"

#include <algorithm>

Pixels Pixels::Part(std::int64_t left, std::int64_t top, std::int64_t right,
                    std::int64_t bottom) const {
    left = std::clamp<std::int64_t>(left, 0, width_);
    top = std::clamp<std::int64_t>(top, 0, height_);
    right = std::clamp<std::int64_t>(right, left, width_);
    bottom = std::clamp<std::int64_t>(bottom, top, height_);
    return Pixels(first_ + top * stride_ + left, static_cast<int>(right - left),
                  static_cast<int>(bottom - top), stride_);
}

Bitmap::Bitmap(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kWhite) {}
