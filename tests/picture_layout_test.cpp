// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/picture_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "drawing/picture.h"

namespace {

constexpr Color kStatorFill = Rgb(192, 255, 255);

TEST(PictureLayout, AtTheFirstWindowSize) {
    const PictureLayout layout = PictureLayout::ForArea(1164, 539);
    EXPECT_EQ(layout.stripWidth, 1124);
    EXPECT_EQ(layout.stripHeight, 119);
    EXPECT_EQ(layout.scaleLength, 1084);
    EXPECT_EQ(layout.lowerViewTop, 269);
    const auto strips = StripsOf(layout, 0);
    const std::int64_t tops[] = {20, 141, 269, 269, 390};
    const std::int64_t offsets[] = {0, 0, 1084, -1084, 0};
    for (std::size_t i = 0; i < strips.size(); ++i) {
        EXPECT_EQ(strips[i].top, tops[i]) << "strip " << i;
        EXPECT_EQ(strips[i].offset, offsets[i]) << "strip " << i;
        EXPECT_EQ(strips[i].startValue, 0) << "strip " << i;
    }
    EXPECT_EQ(strips[0].orientation, Orientation::Slide);
    EXPECT_EQ(strips[1].orientation, Orientation::Stator);
    EXPECT_EQ(strips[4].fill, kStatorFill);
}

TEST(PictureLayout, HeightShrinksTowardZeroBelowSixtyPixels) {
    EXPECT_EQ(PictureLayout::ForArea(100, 59).stripHeight, 0);
    EXPECT_EQ(PictureLayout::ForArea(100, 55).stripHeight, -1);
    EXPECT_EQ(PictureLayout::ForArea(0, 0).stripHeight, -15);
    EXPECT_EQ(PictureLayout::ForArea(0, 0).stripWidth, -40);
}

// Whichever strip's top falls on row 392 numbers its linear scale from 10.
struct StartValueCase {
    int height;
    int tenStrips;  // bit i set: strip i starts from 10
};

class StripStartValue : public ::testing::TestWithParam<StartValueCase> {};

TEST_P(StripStartValue, FollowsTheTopRow) {
    const auto strips = StripsOf(PictureLayout::ForArea(1164, GetParam().height), 0);
    for (std::size_t i = 0; i < strips.size(); ++i) {
        const bool fromTen = (GetParam().tenStrips >> i) & 1;
        EXPECT_EQ(strips[i].startValue, fromTen ? 10 : 0) << "strip " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Heights, StripStartValue,
                         ::testing::Values(StartValueCase{539, 0}, StartValueCase{540, 0b10000},
                                           StartValueCase{541, 0b10000}, StartValueCase{542, 0},
                                           StartValueCase{783, 0}, StartValueCase{784, 0b01100},
                                           StartValueCase{785, 0b01100}, StartValueCase{786, 0},
                                           StartValueCase{1539, 0}, StartValueCase{1540, 0b00010},
                                           StartValueCase{1543, 0b00010}, StartValueCase{1544, 0}),
                         [](const ::testing::TestParamInfo<StartValueCase>& test) {
                             return "Height" + std::to_string(test.param.height);
                         });

// The cursor at the first size and its reference column 150: the outer outline spans the rows
// 10 .. 520, the hairline stands in column 210 from row 16 to row 514.
TEST(PictureLayout, CursorAtTheFirstWindowSize) {
    const PictureLayout layout = PictureLayout::ForArea(1164, 539);
    const CursorLayout cursor = layout.Cursor(150);
    EXPECT_EQ(cursor.outer.left, 145);
    EXPECT_EQ(cursor.outer.right, 275);
    EXPECT_EQ(cursor.outer.top, 10);
    EXPECT_EQ(cursor.outer.bottom, 521);
    EXPECT_EQ(cursor.inner.left, 156);
    EXPECT_EQ(cursor.inner.right, 264);
    EXPECT_EQ(cursor.inner.top, 16);
    EXPECT_EQ(cursor.inner.bottom, 515);
    EXPECT_EQ(cursor.hairlineX, 210);
    EXPECT_EQ(cursor.hairlineTop, 16);
    EXPECT_EQ(cursor.hairlineBottom, 515);
    EXPECT_EQ(cursor.leftSeed.x, 154);
    EXPECT_EQ(cursor.rightSeed.x, 262);
    EXPECT_EQ(cursor.leftSeed.y, 12);
    EXPECT_EQ(layout.ClampCursor(-1000), -20);
    EXPECT_EQ(layout.ClampCursor(5000), 1064);
}

}  // namespace
