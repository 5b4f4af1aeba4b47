// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "readouts/scale_mode.h"

struct PictureLayout;

// The two marks a graduation is made of. Lengths and offsets are in 120ths of the strip height;
// columns are unrounded, the strip rounds them.
class ScaleMarks {
public:
    virtual void DrawTick(int length, double x) = 0;
    virtual void DrawLabel(int offset, std::string_view text, double x) = 0;

protected:
    ~ScaleMarks() = default;
};

// One strip's scale: its x offset a and the number at its left end on linear scales (0 or 10).
struct ScalePlacement {
    std::int64_t offset = 0;
    int startValue = 0;
};

// Draws the ticks and numbers between the end ticks: one logarithmic decade from 1 to 10, or ten
// linear units from the start value.
void DrawGraduation(ScaleMarks& marks, ScaleMode mode, const PictureLayout& layout,
                    const ScalePlacement& scale);
