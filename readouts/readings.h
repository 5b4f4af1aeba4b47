// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "readouts/extended_precision.h"
#include "readouts/scale_mode.h"

struct ScalePositions;

// The readings of one setting, as the table shows them, and the task line built from those texts.
struct Readings {
    std::string lowerIndex;          // cell (2, 2)
    std::string lowerAtSlideIndex;   // cell (2, 1)
    std::string slideIndex;          // cell (1, 1)
    std::string slideAtLowerIndex;   // cell (1, 2)
    std::string lowerUnderHairline;  // cell (2, 3)
    std::string slideUnderHairline;  // cell (1, 3)
    std::string taskLine;            // "2 · 3 = 6" or "7+5 = 12"
};

// The readings at the slide's index and under the hairline. Every setting of 32-bit positions
// and sizes is accepted: a scale length of 0 makes the divided readings "keine Zahl", readings
// beyond the range of a double show as "unendlich" or "0".
Readings ComputeReadings(ScaleMode mode, const ScalePositions& at);

// The task line stated by the texts of cells (2, 1), (1, 3) and (2, 3): the operands as the cells
// show them, the result read from (2, 3) and lifted one decade (ten units) once the product (sum)
// of the operands exceeds 10.
std::string BuildTaskLine(ScaleMode mode, std::string_view lowerAtSlideIndex,
                          std::string_view slideUnderHairline, std::string_view lowerUnderHairline);

// One pass each, strict comparisons: a value below 0.1 stays below 1, one above 100 above 10.
Extended NormalizeDecade(Extended x);
// One pass, strict comparison: exactly 0 stays 0, a value below -10 stays negative.
Extended WrapLinear(Extended x);
