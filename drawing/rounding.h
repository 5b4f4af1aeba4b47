// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>

#include "readouts/extended_precision.h"

// A pixel value formed from a floating-point number: the nearest integer, an exact half to the
// even one (100.5 -> 100, 101.5 -> 102, -0.5 -> 0).
inline std::int64_t RoundToPixel(Extended value) {
    return std::llrint(value);
}

// The same for a column held as a double, without the detour through extended precision, which
// holds every double exactly.
inline std::int64_t RoundToPixel(double value) {
    return std::llrint(value);
}
