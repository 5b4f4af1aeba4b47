// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scale mode chosen in the radio group: item 1 ("logarithmisch") multiplies, every other item
// index, also -1 for no selection, adds.
enum class ScaleMode { Linear, Logarithmic };

constexpr int kLogarithmicItemIndex = 1;

constexpr ScaleMode ScaleModeOfItemIndex(int itemIndex) {
    return itemIndex == kLogarithmicItemIndex ? ScaleMode::Logarithmic : ScaleMode::Linear;
}
