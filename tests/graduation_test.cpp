// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/graduation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drawing/rounding.h"
#include "geometry/picture_layout.h"

namespace {

struct Mark {
    bool isTick;
    int measure;  // tick length or label offset
    std::string text;
    double x;

    std::int64_t Column() const { return RoundToPixel(Extended{x}); }
};

class MarkRecorder final : public ScaleMarks {
public:
    void DrawTick(int length, double x) override { marks.push_back({true, length, "", x}); }
    void DrawLabel(int offset, std::string_view text, double x) override {
        marks.push_back({false, offset, std::string(text), x});
    }

    std::vector<Mark> Ticks(int length) const {
        std::vector<Mark> ticks;
        std::copy_if(marks.begin(), marks.end(), std::back_inserter(ticks),
                     [length](const Mark& m) { return m.isTick && m.measure == length; });
        return ticks;
    }
    std::vector<std::string> LabelTexts() const {
        std::vector<std::string> texts;
        for (const Mark& m : marks) {
            if (!m.isTick) {
                texts.push_back(m.text);
            }
        }
        return texts;
    }
    const Mark& Label(const std::string& text) const {
        return *std::find_if(marks.begin(), marks.end(),
                             [&](const Mark& m) { return !m.isTick && m.text == text; });
    }
    std::size_t TickCount() const {
        return Ticks(10).size() + Ticks(20).size() + Ticks(50).size() + Ticks(80).size();
    }

    std::vector<Mark> marks;
};

// The window's first size: W = 1124, one scale length 1084.
constexpr std::int64_t kStripWidth = 1124;

MarkRecorder Graduate(ScaleMode mode, std::int64_t offset = 0,
                      std::int64_t stripWidth = kStripWidth, int startValue = 0) {
    MarkRecorder recorder;
    // A drawing area 40 px wider than its strips; the height plays no part here.
    const PictureLayout layout = PictureLayout::ForArea(stripWidth + 40, 539);
    DrawGraduation(recorder, mode, layout, {offset, startValue});
    return recorder;
}

TEST(Graduation, LogarithmicDrawsItsRowsInOrderWithTheirTexts) {
    const MarkRecorder log = Graduate(ScaleMode::Logarithmic);
    EXPECT_EQ(log.TickCount(), 368u);
    EXPECT_EQ(log.marks.size(), 368u + 27u);
    EXPECT_EQ(log.Ticks(10).size(), 49u + 74u + 139u);
    EXPECT_EQ(log.Ticks(20).size(), 89u);
    EXPECT_EQ(log.Ticks(80).size(), 8u);
    EXPECT_EQ(log.Ticks(50).size(), 9u);
    const std::vector<std::string> expected = {
        "10", "1", "1,1", "1,2", "1,3", "1,4", "1,6", "1,7", "1,8", "1,9", "2",   "3",   "4",  "5",
        "6",  "7", "8",   "9",   "1,5", "2,5", "3,5", "4,5", "5,5", "6,5", "7,5", "8,5", "9,5"};
    EXPECT_EQ(log.LabelTexts(), expected);
    // Each label follows its tick.
    const auto twoLabel = std::find_if(log.marks.begin(), log.marks.end(),
                                       [](const Mark& m) { return m.text == "2"; });
    ASSERT_NE(twoLabel, log.marks.begin());
    EXPECT_TRUE(std::prev(twoLabel)->isTick);
    EXPECT_EQ(std::prev(twoLabel)->measure, 80);
}

TEST(Graduation, LinearDrawsItsRowsInOrderWithTheirTexts) {
    const MarkRecorder linear = Graduate(ScaleMode::Linear);
    EXPECT_EQ(linear.TickCount(), 317u);
    EXPECT_EQ(linear.marks.size(), 317u + 21u);
    EXPECT_EQ(linear.Ticks(10).size(), 199u);
    EXPECT_EQ(linear.Ticks(20).size(), 99u);
    const std::vector<std::string> expected = {"0",   "10",  "1",   "2",   "3",   "4",   "5",
                                               "6",   "7",   "8",   "9",   "0,5", "1,5", "2,5",
                                               "3,5", "4,5", "5,5", "6,5", "7,5", "8,5", "9,5"};
    EXPECT_EQ(linear.LabelTexts(), expected);
}

struct ColumnCase {
    const char* name;
    ScaleMode mode;
    int length;         // which row of ticks
    std::size_t index;  // the tick's place in that row
    std::int64_t column;
};

class GraduationColumn : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(GraduationColumn, StandsInItsColumn) {
    const ColumnCase& c = GetParam();
    const std::vector<Mark> ticks = Graduate(c.mode).Ticks(c.length);
    ASSERT_LT(c.index, ticks.size());
    EXPECT_EQ(ticks[c.index].Column(), c.column);
}

INSTANTIATE_TEST_SUITE_P(
    AtTheFirstWindowSize, GraduationColumn,
    ::testing::Values(ColumnCase{"Log1_01", ScaleMode::Logarithmic, 10, 0, 45},
                      ColumnCase{"Log1_1", ScaleMode::Logarithmic, 20, 0, 85},
                      ColumnCase{"Log1_5", ScaleMode::Logarithmic, 20, 4, 231},
                      ColumnCase{"Log2", ScaleMode::Logarithmic, 80, 0, 366},
                      ColumnCase{"Log9_95", ScaleMode::Logarithmic, 10, 49 + 74 + 138, 1122},
                      ColumnCase{"Linear2_5", ScaleMode::Linear, 50, 2, 311},
                      // 446.5 and 175.5: halves go to the even column.
                      ColumnCase{"Linear3_75", ScaleMode::Linear, 10, 74, 446},
                      ColumnCase{"Linear1_25", ScaleMode::Linear, 10, 24, 176}),
    [](const ::testing::TestParamInfo<ColumnCase>& test) { return std::string(test.param.name); });

TEST(Graduation, LabelsStandLeftOfTheirTicks) {
    const MarkRecorder log = Graduate(ScaleMode::Logarithmic);
    EXPECT_EQ(log.Label("1").Column(), 36);
    EXPECT_EQ(log.Label("10").Column(), 1114);
    EXPECT_EQ(log.Label("1,1").Column(), 75);
    EXPECT_EQ(log.Label("1,5").Column(), 221);
    EXPECT_EQ(log.Label("2").Column(), 363);
    EXPECT_EQ(log.Label("1,1").measure, 36);
    EXPECT_EQ(log.Label("1,5").measure, 68);
    EXPECT_EQ(log.Label("2").measure, 96);
    EXPECT_EQ(log.Label("10").measure, 98);
    EXPECT_EQ(Graduate(ScaleMode::Linear).Label("2,5").Column(), 301);
}

// With L = 1050 the tenth 0.7 lies at exactly 113.5 when the steps keep a 64-bit significand;
// in double precision they come out just below and would round to 113.
TEST(Graduation, LinearHalfPixelNeedsExtendedPrecision) {
    const MarkRecorder linear = Graduate(ScaleMode::Linear, 0, 1090);
    const Mark twentieth = linear.Ticks(10)[13];
    const Mark tenth = linear.Ticks(20)[6];
    for (const Mark& tick : {twentieth, tenth}) {
        EXPECT_EQ(tick.x, 113.5);
        EXPECT_EQ(tick.Column(), 114);
    }
}

TEST(Graduation, StartValueTenChangesTextsOnly) {
    const MarkRecorder fromZero = Graduate(ScaleMode::Linear);
    const MarkRecorder fromTen = Graduate(ScaleMode::Linear, 0, kStripWidth, 10);
    const std::vector<std::string> expected = {
        "10",   "20",   "11",   "12",   "13",   "14",   "15",   "16",   "17",   "18",  "19",
        "10,5", "11,5", "12,5", "13,5", "14,5", "15,5", "16,5", "17,5", "18,5", "19,5"};
    EXPECT_EQ(fromTen.LabelTexts(), expected);
    ASSERT_EQ(fromTen.marks.size(), fromZero.marks.size());
    for (std::size_t i = 0; i < fromZero.marks.size(); ++i) {
        EXPECT_EQ(fromTen.marks[i].x, fromZero.marks[i].x) << "mark " << i;
    }
}

TEST(Graduation, NegativeOffsetShiftsEveryMark) {
    for (const ScaleMode mode : {ScaleMode::Logarithmic, ScaleMode::Linear}) {
        const MarkRecorder home = Graduate(mode);
        const MarkRecorder shifted = Graduate(mode, -2000);
        ASSERT_EQ(shifted.marks.size(), home.marks.size());
        for (std::size_t i = 0; i < home.marks.size(); ++i) {
            EXPECT_EQ(shifted.marks[i].Column(), home.marks[i].Column() - 2000) << "mark " << i;
            EXPECT_EQ(shifted.marks[i].text, home.marks[i].text);
        }
    }
}

TEST(ScaleMode, OnlyItemOneIsLogarithmic) {
    EXPECT_EQ(ScaleModeOfItemIndex(1), ScaleMode::Logarithmic);
    for (const int index : {0, -1, 2, 7}) {
        EXPECT_EQ(ScaleModeOfItemIndex(index), ScaleMode::Linear) << index;
    }
}

}  // namespace
