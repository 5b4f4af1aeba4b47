// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawing/bitmap.h"
#include "drawing/color.h"

// How many pixels of the image have the colour.
inline int CountPixels(const Bitmap& image, Color color) {
    int count = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            count += image.Pixel(x, y) == color;
        }
    }
    return count;
}
