// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readouts/readings.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "geometry/picture_layout.h"
#include "readouts/number_text.h"
#include "readouts/readout_table.h"
#include "readouts/scale_mode.h"
#include "readouts/setting_description.h"

namespace {

constexpr auto kLog = ScaleMode::Logarithmic;
constexpr auto kLinear = ScaleMode::Linear;

constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// The readings of a setting on a drawing area whose strips are stripWidth wide.
Readings ComputeReadings(ScaleMode mode, std::int32_t slideX, std::int32_t cursorX,
                         std::int64_t stripWidth) {
    const PictureLayout layout = PictureLayout::ForArea(stripWidth + 40, 539);
    return ::ComputeReadings(mode, layout.Positions(slideX, cursorX));
}

// Strip widths W of the drawing areas used below; the scale length is W - 40.
constexpr std::int32_t kArea1080 = 1040;  // scale length 1000
constexpr std::int32_t kArea1164 = 1124;  // scale length 1084
constexpr std::int32_t kArea80 = 40;      // scale length 0
constexpr std::int32_t kArea81 = 41;      // scale length 1
constexpr std::int32_t kArea60 = 20;      // scale length -20

// Rows 1 to 3 of the table, each as (column 1 | column 2).
struct TableRows {
    const char* slideIndex;
    const char* lowerAtSlideIndex;
    const char* slideAtLowerIndex;
    const char* lowerIndex;
    const char* slideUnderHairline;
    const char* lowerUnderHairline;
};

struct SettingCase {
    const char* name;
    ScaleMode mode;
    std::int32_t slideX;
    std::int32_t cursorX;
    std::int32_t stripWidth;
    TableRows rows;
    const char* taskLine;
};

std::ostream& operator<<(std::ostream& out, const SettingCase& setting) {
    return out << setting.name;
}

// clang-format off
const SettingCase kSettings[] = {
    // Drawing area 1080 px: one scale length is 1000 px.
    {"Log_2Times3", kLog, 301, 758, kArea1080,
     {"1", "2", "5", "1", "3", "6"}, "2 \xB7 3 = 6"},
    {"Log_ProductAbove10LiftsResult", kLog, 602, 281, kArea1080,
     {"1", "4", "2,5", "1", "5", "2"}, "4 \xB7 5 = 20"},
    {"Log_HairlineOverLower10", kLog, 301, 980, kArea1080,
     {"1", "2", "5", "1", "5", "10"}, "2 \xB7 5 = 10"},
    {"Log_ProductExactly10Stays", kLog, 301, -20, kArea1080,
     {"1", "2", "5", "1", "5", "1"}, "2 \xB7 5 = 1"},
    {"Log_2Comma5HairlineOverLower10", kLog, 398, 980, kArea1080,
     {"1", "2,5", "4", "1", "4", "10"}, "2,5 \xB7 4 = 10"},
    {"Log_2Comma5ProductExactly10Stays", kLog, 398, -20, kArea1080,
     {"1", "2,5", "4", "1", "4", "1"}, "2,5 \xB7 4 = 1"},
    {"Log_SlideHome_HairlineOverLower1", kLog, 0, -20, kArea1080,
     {"1", "1", "10", "1", "1", "1"}, "1 \xB7 1 = 1"},
    {"Log_SlideHome_HairlineOverLower10", kLog, 0, 980, kArea1080,
     {"1", "1", "10", "1", "10", "10"}, "1 \xB7 10 = 10"},
    {"Log_ProductJustAbove10InExtended", kLog, 204, 980, kArea1080,
     {"1", "1,6", "6,25", "1", "6,25", "10"}, "1,6 \xB7 6,25 = 100"},
    {"Linear_SlideReadingWrapped", kLinear, 700, 180, kArea1080,
     {"0", "7", "3", "0", "5", "2"}, "7+5 = 12"},
    {"Linear_3Plus2", kLinear, 300, 480, kArea1080,
     {"0", "3", "7", "0", "2", "5"}, "3+2 = 5"},
    {"Linear_HairlineOverLower10", kLinear, 250, 980, kArea1080,
     {"0", "2,5", "7,5", "0", "7,5", "10"}, "2,5+7,5 = 10"},
    {"Linear_SumExactly10Stays", kLinear, 250, -20, kArea1080,
     {"0", "2,5", "7,5", "0", "7,5", "0"}, "2,5+7,5 = 0"},
    {"Linear_SumJustAbove10InExtended", kLinear, 10, 980, kArea1080,
     {"0", "0,1", "9,9", "0", "9,9", "10"}, "0,1+9,9 = 20"},

    // Drawing area 1164 px (scale length 1084), cursor where activation puts it.
    {"Log_AfterActivation", kLog, 0, 150, kArea1164,
     {"1", "1", "10", "1", "1,43", "1,43"}, "1 \xB7 1,43 = 1,43"},
    {"Linear_AfterActivation", kLinear, 0, 150, kArea1164,
     {"0", "0", "10", "0", "1,57", "1,57"}, "0+1,57 = 1,57"},
    {"Log_SlideOneLengthRight", kLog, 1084, 150, kArea1164,
     {"1", "10", "1", "1", "1,43", "1,43"}, "10 \xB7 1,43 = 14,3"},
    {"Log_SlideOneLengthLeft", kLog, -1084, 150, kArea1164,
     {"1", "1", "10", "1", "1,43", "1,43"}, "1 \xB7 1,43 = 1,43"},
    {"Log_SlideOnePixelLeft", kLog, -1, 150, kArea1164,
     {"1", "9,98", "1", "1", "1,44", "1,43"}, "9,98 \xB7 1,44 = 14,3"},
    {"Log_SlideTwoAndAHalfLengthsRight", kLog, 2710, 150, kArea1164,
     {"1", "31,62", "3,16", "1", "0,05", "1,43"}, "31,62 \xB7 0,05 = 1,43"},
    {"Linear_SlideOnePixelLeft", kLinear, -1, 150, kArea1164,
     {"0", "9,99", "0,01", "0", "1,58", "1,57"}, "9,99+1,58 = 11,57"},
    {"Linear_SlideOneLengthRight", kLinear, 1084, 150, kArea1164,
     {"0", "10", "0", "0", "1,57", "1,57"}, "10+1,57 = 11,57"},
    {"Linear_SlideOneLengthLeft", kLinear, -1084, 150, kArea1164,
     {"0", "0", "10", "0", "11,57", "1,57"}, "0+11,57 = 11,57"},
    {"Linear_SlideOneAndAHalfLengthsRight", kLinear, 1626, 150, kArea1164,
     {"0", "15", "-5", "0", "-3,43", "1,57"}, "15+-3,43 = 11,57"},
    {"Linear_SlideOneAndAHalfLengthsLeft", kLinear, -1626, 150, kArea1164,
     {"0", "-5", "15", "0", "16,57", "1,57"}, "-5+16,57 = 11,57"},

    // A drawing area exactly 80 px wide has no scale length to divide by.
    {"Log_ZeroScaleLength", kLog, 301, 758, kArea80,
     {"1", "keine Zahl", "keine Zahl", "1", "keine Zahl", "keine Zahl"},
     "keine Zahl \xB7 keine Zahl = keine Zahl"},
    {"Linear_ZeroScaleLength", kLinear, 301, 758, kArea80,
     {"0", "keine Zahl", "keine Zahl", "0", "keine Zahl", "keine Zahl"},
     "keine Zahl+keine Zahl = keine Zahl"},

    // Narrower than 80 px: the scale length is negative and the same formulas apply.
    {"Log_NegativeScaleLength", kLog, 0, 150, kArea60,
     {"1", "1", "10", "1", "0", "0"}, "1 \xB7 0 = 0"},
    {"Linear_NegativeScaleLength", kLinear, 0, 150, kArea60,
     {"0", "0", "10", "0", "-75", "-75"}, "0+-75 = -75"},

    // Powers of ten beyond a double: past the extended range too (0 and infinity) ...
    {"Log_PowerOverflows", kLog, 5000, -20, kArea81,
     {"1", "unendlich", "0", "1", "0", "1"}, "unendlich \xB7 0 = 1"},
    {"Log_PowerUnderflows", kLog, -5000, -20, kArea81,
     {"1", "0", "unendlich", "1", "unendlich", "1"}, "0 \xB7 unendlich = 1"},
    // ... and within the extended range, but not a double's.
    {"Log_PowerBeyondDouble", kLog, 400, -20, kArea81,
     {"1", "unendlich", "0", "1", "0", "1"}, "unendlich \xB7 0 = 1"},
    {"Log_PowerBelowDouble", kLog, -400, -20, kArea81,
     {"1", "0", "unendlich", "1", "unendlich", "1"}, "0 \xB7 unendlich = 1"},
    {"Log_ExtremeSettings", kLog, kInt32Min, kInt32Max, kArea1164,
     {"1", "0", "unendlich", "1", "unendlich", "unendlich"}, "0 \xB7 unendlich = unendlich"},

    // Offsets of int32 settings beyond the int32 range, and ten times that.
    {"Linear_ExtremeSettings", kLinear, kInt32Max, kInt32Min, kArea1164,
     {"0", "19810734,75", "-19810724,75", "0", "-39621459,33", "-19810724,58"},
     "19810734,75+-39621459,33 = -19810724,58"},
    {"Linear_ExtremeSettingsOnePixelScale", kLinear, kInt32Min, kInt32Max, kArea81,
     {"0", "-21474836470", "21474836480", "0", "42949673150", "21474836670"},
     "-21474836470+42949673150 = 21474836680"},
};
// clang-format on

std::vector<std::tuple<const char*, std::string, std::string>> CellsOf(const Readings& actual,
                                                                       const TableRows& expected) {
    return {
        {"(1, 1)", actual.slideIndex, expected.slideIndex},
        {"(2, 1)", actual.lowerAtSlideIndex, expected.lowerAtSlideIndex},
        {"(1, 2)", actual.slideAtLowerIndex, expected.slideAtLowerIndex},
        {"(2, 2)", actual.lowerIndex, expected.lowerIndex},
        {"(1, 3)", actual.slideUnderHairline, expected.slideUnderHairline},
        {"(2, 3)", actual.lowerUnderHairline, expected.lowerUnderHairline},
    };
}

template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& testCase) {
    return testCase.param.name;
}

class ReadingsSettings : public testing::TestWithParam<SettingCase> {};

TEST_P(ReadingsSettings, ShowCellsAndTaskLine) {
    const SettingCase& setting = GetParam();
    const Readings readings =
        ComputeReadings(setting.mode, setting.slideX, setting.cursorX, setting.stripWidth);
    for (const auto& [cell, actual, expected] : CellsOf(readings, setting.rows)) {
        EXPECT_EQ(actual, expected) << "cell " << cell;
    }
    EXPECT_EQ(readings.taskLine, setting.taskLine);
}

// The render's way: headers, then readings, into a table that is read back.
TEST_P(ReadingsSettings, FillTheTable) {
    const SettingCase& setting = GetParam();
    ReadoutTable table;
    WriteFixedHeaders(table);
    WriteRowHeaders(setting.mode, table);
    WriteReadings(
        ComputeReadings(setting.mode, setting.slideX, setting.cursorX, setting.stripWidth), table);
    const bool log = setting.mode == kLog;
    const std::array<std::array<std::string_view, kReadoutColumns>, kReadoutRows> expected{{
        {"", "obere Skale", "untere Skale"},
        {log ? "obere Einheit" : "obere Null", setting.rows.slideIndex,
         setting.rows.lowerAtSlideIndex},
        {log ? "untere Einheit" : "untere Null", setting.rows.slideAtLowerIndex,
         setting.rows.lowerIndex},
        {"L\xE4ufer", setting.rows.slideUnderHairline, setting.rows.lowerUnderHairline},
    }};
    for (int row = 0; row < kReadoutRows; ++row) {
        for (int column = 0; column < kReadoutColumns; ++column) {
            EXPECT_EQ(table.Cell(column, row),
                      expected[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)])
                << "cell (" << column << ", " << row << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ReadingsSettings, testing::ValuesIn(kSettings),
                         CaseName<SettingCase>);

// The task line built straight from cell texts, also from texts that no setting produces. The
// operands "1,6" and "6,25" (and "0,1" and "9,9") give exactly 10 when rounded to doubles first.
struct TaskLineCase {
    const char* name;
    ScaleMode mode;
    std::string lowerAtSlideIndex;
    std::string slideUnderHairline;
    std::string lowerUnderHairline;
    std::string taskLine;
};

std::ostream& operator<<(std::ostream& out, const TaskLineCase& task) {
    return out << task.name;
}

const TaskLineCase kTaskLines[] = {
    {"Log_ProductJustAbove10InExtended", kLog, "1,6", "6,25", "1", "1,6 \xB7 6,25 = 10"},
    {"Linear_SumJustAbove10InExtended", kLinear, "0,1", "9,9", "1", "0,1+9,9 = 11"},
    {"Linear_NegativeOperandsAsShown", kLinear, "-5", "-0,01", "3,2", "-5+-0,01 = 3,2"},
    {"Log_NotANumberEverywhere", kLog, "keine Zahl", "keine Zahl", "keine Zahl",
     "keine Zahl \xB7 keine Zahl = keine Zahl"},
    {"Log_InfiniteTimesZeroIsNotAbove10", kLog, "unendlich", "0", "2", "unendlich \xB7 0 = 2"},
    {"Log_InfiniteOperandLiftsResult", kLog, "unendlich", "1", "2", "unendlich \xB7 1 = 20"},
    {"Log_LiftedResultBeyondDouble", kLog, "2", "6", "1E308", "2 \xB7 6 = unendlich"},
    {"Log_InfiniteResultStays", kLog, "2", "6", "unendlich", "2 \xB7 6 = unendlich"},
};

class ReadingsTaskLine : public testing::TestWithParam<TaskLineCase> {};

TEST_P(ReadingsTaskLine, StatesTheCellsComputation) {
    const TaskLineCase& task = GetParam();
    EXPECT_EQ(BuildTaskLine(task.mode, task.lowerAtSlideIndex, task.slideUnderHairline,
                            task.lowerUnderHairline),
              task.taskLine);
}

INSTANTIATE_TEST_SUITE_P(Table, ReadingsTaskLine, testing::ValuesIn(kTaskLines),
                         CaseName<TaskLineCase>);

struct NormalizationCase {
    Extended in;
    Extended out;
};

TEST(ReadingsNormalizeDecade, MovesOnceByOneDecadeWithStrictBounds) {
    const NormalizationCase cases[] = {
        {1.0L, 1.0L},
        {10.0L, 10.0L},
        {0.0L, 0.0L},
        {0.5L, 5.0L},
        {0.0625L, 0.625L},
        {20.0L, 2.0L},
        {150.0L, 15.0L},
        {1000.0L, 100.0L},
        {3.5L, 3.5L},
        {std::numeric_limits<Extended>::infinity(), std::numeric_limits<Extended>::infinity()},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(NormalizeDecade(in), out) << "NormalizeDecade(" << in << ")";
    }
}

TEST(ReadingsNormalizeDecade, ValueBelowOneTenthStaysBelowOne) {
    const Extended normalized = NormalizeDecade(0.05L);
    EXPECT_LT(normalized, 1.0L);
    EXPECT_NEAR(static_cast<double>(normalized), 0.5, 1e-15);
}

TEST(ReadingsNormalizeDecade, NotANumberStaysNotANumber) {
    EXPECT_TRUE(std::isnan(NormalizeDecade(std::numeric_limits<Extended>::quiet_NaN())));
}

TEST(ReadingsWrapLinear, AddsTenOnceToNegativeValues) {
    const NormalizationCase cases[] = {
        {0.0L, 0.0L},     {-0.5L, 9.5L},  {-10.0L, 0.0L}, {-15.0L, -5.0L},
        {-25.0L, -15.0L}, {10.0L, 10.0L}, {15.0L, 15.0L}, {7.25L, 7.25L},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(WrapLinear(in), out) << "WrapLinear(" << in << ")";
    }
}

bool HasRuntimeSpelling(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// Every int32 setting on every drawing area gives texts that read back as numbers, never a
// runtime's "nan" or "inf", and a task line that starts with its first operand.
TEST(ReadingsExtremes, GiveReadableTextsInBothModes) {
    const std::int32_t positions[] = {kInt32Min, -1, 0, 150, kInt32Max};
    const std::int32_t stripWidths[] = {kInt32Min, 0,       kArea60,   39,
                                        kArea80,   kArea81, kArea1164, kInt32Max};
    for (const ScaleMode mode : {kLog, kLinear}) {
        for (const std::int32_t slideX : positions) {
            for (const std::int32_t cursorX : positions) {
                for (const std::int32_t stripWidth : stripWidths) {
                    const Readings readings = ComputeReadings(mode, slideX, cursorX, stripWidth);
                    const std::string where = "slideX " + std::to_string(slideX) + ", cursorX " +
                                              std::to_string(cursorX) + ", strip width " +
                                              std::to_string(stripWidth);
                    for (const std::string* text :
                         {&readings.lowerAtSlideIndex, &readings.slideAtLowerIndex,
                          &readings.lowerUnderHairline, &readings.slideUnderHairline}) {
                        EXPECT_EQ(ParseNumber(NormalizeDecimal(*text)).failurePosition, 0)
                            << '"' << *text << "\" at " << where;
                        EXPECT_FALSE(HasRuntimeSpelling(*text))
                            << '"' << *text << "\" at " << where;
                    }
                    EXPECT_FALSE(HasRuntimeSpelling(readings.taskLine)) << where;
                    EXPECT_TRUE(readings.taskLine.starts_with(readings.lowerAtSlideIndex)) << where;
                }
            }
        }
    }
}

TEST(ReadingsScaleMode, EveryItemIndexButOneIsLinear) {
    for (const int itemIndex : {-1, 0, 2}) {
        const ScaleMode mode = ScaleModeOfItemIndex(itemIndex);
        EXPECT_EQ(ComputeReadings(mode, 700, 180, kArea1080).taskLine, "7+5 = 12")
            << "item index " << itemIndex;
    }
    EXPECT_EQ(ComputeReadings(ScaleModeOfItemIndex(1), 301, 758, kArea1080).taskLine,
              "2 \xB7 3 = 6");
}

struct WrittenCell {
    int column;
    int row;
    std::string text;
    bool operator==(const WrittenCell&) const = default;
};

std::ostream& operator<<(std::ostream& out, const WrittenCell& cell) {
    return out << "(" << cell.column << ", " << cell.row << ") \"" << cell.text << '"';
}

class RecordingWriter final : public CellWriter {
public:
    void SetCell(int column, int row, std::string_view text) override {
        written.push_back({column, row, std::string(text)});
    }
    std::vector<WrittenCell> written;
};

TEST(ReadoutTableWriters, FixedHeadersInTheirOrder) {
    RecordingWriter writer;
    WriteFixedHeaders(writer);
    const std::vector<WrittenCell> expected{
        {1, 0, "obere Skale"}, {2, 0, "untere Skale"}, {0, 3, "L\xE4ufer"}};
    EXPECT_EQ(writer.written, expected);
}

TEST(ReadoutTableWriters, RowHeadersOfEachMode) {
    RecordingWriter log;
    WriteRowHeaders(kLog, log);
    EXPECT_EQ(log.written,
              (std::vector<WrittenCell>{{0, 1, "obere Einheit"}, {0, 2, "untere Einheit"}}));
    RecordingWriter linear;
    WriteRowHeaders(kLinear, linear);
    EXPECT_EQ(linear.written,
              (std::vector<WrittenCell>{{0, 1, "obere Null"}, {0, 2, "untere Null"}}));
}

TEST(ReadoutTableWriters, ReadingsInTheirOrder) {
    const Readings readings{.lowerIndex = "a",
                            .lowerAtSlideIndex = "b",
                            .slideIndex = "c",
                            .slideAtLowerIndex = "d",
                            .lowerUnderHairline = "e",
                            .slideUnderHairline = "f",
                            .taskLine = "g"};
    RecordingWriter writer;
    WriteReadings(readings, writer);
    const std::vector<WrittenCell> expected{{2, 2, "a"}, {2, 1, "b"}, {1, 1, "c"},
                                            {1, 2, "d"}, {2, 3, "e"}, {1, 3, "f"}};
    EXPECT_EQ(writer.written, expected);
}

void ExpectEveryCellEmpty(const ReadoutTable& table) {
    for (int column = 0; column < kReadoutColumns; ++column) {
        for (int row = 0; row < kReadoutRows; ++row) {
            EXPECT_EQ(table.Cell(column, row), "") << "cell (" << column << ", " << row << ")";
        }
    }
}

TEST(ReadoutTable, StartsEmpty) {
    ExpectEveryCellEmpty(ReadoutTable{});
}

TEST(ReadoutTable, KeepsTheLastTextOfEachCell) {
    ReadoutTable table;
    table.SetCell(2, 3, "1,43");
    table.SetCell(0, 1, "obere Null");
    table.SetCell(0, 1, "obere Einheit");
    EXPECT_EQ(table.Cell(2, 3), "1,43");
    EXPECT_EQ(table.Cell(0, 1), "obere Einheit");
    EXPECT_EQ(table.Cell(1, 3), "");
    EXPECT_EQ(table.Cell(1, 0), "");
    EXPECT_EQ(table.Cell(2, 2), "");
}

TEST(ReadoutTable, IgnoresCellsOutsideTheGrid) {
    const std::pair<int, int> outside[] = {
        {-1, 0},           {kReadoutColumns, 0},   {0, -1},
        {0, kReadoutRows}, {kInt32Min, kInt32Max}, {kInt32Max, kInt32Min}};
    ReadoutTable table;
    for (const auto& [column, row] : outside) {
        table.SetCell(column, row, "x");
        EXPECT_EQ(table.Cell(column, row), "") << "cell (" << column << ", " << row << ")";
    }
    ExpectEveryCellEmpty(table);
}

// The words a screen reader gets for a setting: the scale type, the slide's index, the hairline
// and the task line.
TEST(SettingDescription, StatesTheSettingInTheTablesWords) {
    EXPECT_EQ(DescribeSetting(kLog, ComputeReadings(kLog, 301, 758, kArea1080)),
              "Logarithmische Skalen. Obere Einheit bei 2 der unteren Skale. L\xE4ufer: obere "
              "Skale 3, untere Skale 6. Aufgabe: 2 \xB7 3 = 6.");
    EXPECT_EQ(DescribeSetting(kLinear, ComputeReadings(kLinear, 700, 180, kArea1080)),
              "Lineare Skalen. Obere Null bei 7 der unteren Skale. L\xE4ufer: obere Skale 5, "
              "untere Skale 2. Aufgabe: 7+5 = 12.");
}

}  // namespace
