// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A rectangle of pixels: the columns left .. right - 1 and the rows top .. bottom - 1.
struct Box {
    std::int64_t left;
    std::int64_t top;
    std::int64_t right;
    std::int64_t bottom;
};

struct Point {
    std::int64_t x;
    std::int64_t y;
};
