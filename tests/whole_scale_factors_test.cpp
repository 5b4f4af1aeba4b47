// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/whole_scale_factors.h"

#include <gtest/gtest.h>

namespace {

TEST(WholeScaleFactors, RoundsEveryFactorToAWholeNumberOfAtLeastOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"1.5", "2"}, {"1.25", "1"},
        {"2", "2"},   {"0.5", "1"},
        {"2.5", "3"}, {"1.75;1", "2;1"},
        {"x", "x"},   {"HDMI-1=1.25;DP-1=2", "HDMI-1=1;DP-1=2"},
        {"", ""},     {"eDP-1=1.5", "eDP-1=2"},
    };
    for (const auto& [factors, whole] : cases) {
        EXPECT_EQ(WholeScaleFactors(factors), whole) << factors;
    }
}

}  // namespace
