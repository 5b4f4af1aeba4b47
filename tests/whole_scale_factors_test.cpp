// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/whole_scale_factors.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <utility>

namespace {

TEST(WholeScaleFactors, RoundsEveryFactorToAWholeNumberFromOneTo64) {
    const std::pair<const char*, const char*> cases[] = {
        {"1.5", "2"},
        {"1.25", "1"},
        {"2", "2"},
        {"0.5", "1"},
        {"2.5", "3"},
        {"1.75;1", "2;1"},
        {"HDMI-1=1.25;DP-1=2", "HDMI-1=1;DP-1=2"},
        {"eDP-1=1.5", "eDP-1=2"},
        {"1e300", "64"},
        {"-3", "1"},
        {"x", "x"},
        {"nan", "nan"},
        {"", ""},
    };
    for (const auto& [factors, whole] : cases) {
        EXPECT_EQ(WholeScaleFactors(factors), whole) << factors;
    }
}

// What the program sets before its application object exists; the variables are put back.
TEST(WholeScaleFactors, RoundsTheEnvironmentAndAsksQtToRound) {
    const char* const names[] = {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                                 "QT_SCALE_FACTOR_ROUNDING_POLICY"};
    std::pair<bool, QByteArray> before[3];
    for (int i = 0; i < 3; ++i) {
        before[i] = {qEnvironmentVariableIsSet(names[i]), qgetenv(names[i])};
    }
    qputenv("QT_SCALE_FACTOR", "1.5");
    qputenv("QT_SCREEN_SCALE_FACTORS", "DP-1=1.25");
    qputenv("QT_SCALE_FACTOR_ROUNDING_POLICY", "PassThrough");
    UseWholeScaleFactors();
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "2");
    EXPECT_EQ(qgetenv("QT_SCREEN_SCALE_FACTORS"), "DP-1=1");
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR_ROUNDING_POLICY"), "Round");
    for (int i = 0; i < 3; ++i) {
        if (before[i].first) {
            qputenv(names[i], before[i].second);
        } else {
            qunsetenv(names[i]);
        }
    }
}

}  // namespace
