// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "readouts/scale_mode.h"

// What the picture shows: the scale mode, the slide's shift against the stator and the cursor's
// reference column (its hairline stands 60 px to the right).
struct SlideRuleView {
    ScaleMode mode = ScaleMode::Logarithmic;
    std::int32_t slideX = 0;
    std::int32_t cursorX = 0;

    bool operator==(const SlideRuleView&) const = default;
};
