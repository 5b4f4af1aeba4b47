#pragma once

#include <cstdint>
#include <string_view>

#include "readouts/scale_mode.h"

// The two marks a graduation is made of. Lengths and offsets are in 120ths of the strip height;
// columns are unrounded, the strip rounds them.
class ScaleMarks {
public:
    virtual void DrawTick(int length, double x) = 0;
    virtual void DrawLabel(int offset, std::string_view text, double x) = 0;

protected:
    ~ScaleMarks() = default;
};

// A scale starts 40 px right of its strip's offset a and ends at a + W.
constexpr int kScaleStart = 40;

// One strip's scale: its x offset a, the strip width W (the scale runs from a + 40 to a + W),
// and the number at its left end on linear scales (0 or 10).
struct ScalePlacement {
    std::int64_t offset = 0;
    std::int64_t stripWidth = 0;
    int startValue = 0;
};

// Draws the ticks and numbers between the end ticks: one logarithmic decade from 1 to 10, or ten
// linear units from the start value.
void DrawGraduation(ScaleMarks& marks, ScaleMode mode, const ScalePlacement& scale);
