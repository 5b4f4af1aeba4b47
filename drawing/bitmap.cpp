// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/bitmap.h"

#include <algorithm>

void Pixels::Fill(Color color) const {
    for (int y = 0; y < height_; ++y) {
        std::fill_n(Row(y), width_, color);
    }
}

Bitmap::Bitmap(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kWhite) {}
