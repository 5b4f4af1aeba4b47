// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <ostream>
#include <queue>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "drawing/bitmap.h"
#include "drawing/color.h"
#include "tests/count_pixels.h"

namespace {

constexpr Color kPen = Rgb(128, 0, 0);
constexpr Color kFill = Rgb(255, 255, 64);
constexpr Color kBorder = Rgb(0, 0, 255);
constexpr Color kOther = Rgb(192, 255, 255);

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

// Pictures as text, one string per row: '.' white, 'P' pen, 'F' fill, 'B' border, 'x' another
// colour, '?' anything else.
using Art = std::vector<std::string>;

char Symbol(Color color) {
    switch (color) {
        case kWhite:
            return '.';
        case kPen:
            return 'P';
        case kFill:
            return 'F';
        case kBorder:
            return 'B';
        case kOther:
            return 'x';
        default:
            return '?';
    }
}

Color ColorOf(char symbol) {
    switch (symbol) {
        case 'P':
            return kPen;
        case 'F':
            return kFill;
        case 'B':
            return kBorder;
        case 'x':
            return kOther;
        default:
            return kWhite;
    }
}

// One string with a line per row, so that a mismatch prints as a picture.
std::string Show(const Bitmap& image) {
    std::string text;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            text += Symbol(image.Pixel(x, y));
        }
        text += '\n';
    }
    return text;
}

std::string Show(const Art& art) {
    std::string text;
    for (const std::string& row : art) {
        text += row + '\n';
    }
    return text;
}

Bitmap Paint(const Art& art) {
    Bitmap image(static_cast<int>(art.front().size()), static_cast<int>(art.size()));
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            image.SetPixel(x, y,
                           ColorOf(art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]));
        }
    }
    return image;
}

// The pen and the fill every picture below starts with.
void Prepare(Canvas& canvas) {
    canvas.SetPenColor(kPen);
    canvas.SetFillColor(kFill);
}

bool SameImage(const Bitmap& a, const Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) {
        return false;
    }
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// ---- Pixel-exact pictures ----

struct PictureCase {
    const char* name;
    Art before;  // white when empty; the size then comes from `after`
    std::function<void(Canvas&)> draw;
    Art after;
};

std::ostream& operator<<(std::ostream& out, const PictureCase& picture) {
    return out << picture.name;
}

class CanvasPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(CanvasPicture, Draws) {
    const PictureCase& picture = GetParam();
    Bitmap image =
        Paint(picture.before.empty()
                  ? Art(picture.after.size(), std::string(picture.after.front().size(), '.'))
                  : picture.before);
    Canvas canvas(image);
    Prepare(canvas);
    picture.draw(canvas);
    EXPECT_EQ(Show(image), Show(picture.after));
}

std::string CaseName(const testing::TestParamInfo<PictureCase>& info) {
    return info.param.name;
}

std::function<void(Canvas&)> Rect(std::int64_t x1, std::int64_t y1, std::int64_t x2,
                                  std::int64_t y2) {
    return [=](Canvas& canvas) { canvas.Rectangle(x1, y1, x2, y2); };
}

std::function<void(Canvas&)> ClearRect(std::int64_t x1, std::int64_t y1, std::int64_t x2,
                                       std::int64_t y2) {
    return [=](Canvas& canvas) {
        canvas.SetFillStyle(FillStyle::Clear);
        canvas.Rectangle(x1, y1, x2, y2);
    };
}

// clang-format off
const Art kPlainRect = {
    "........",
    ".PPPP...",
    ".PFFP...",
    ".PPPP...",
    "........",
    "........"};
const Art kEmpty = {
    "........",
    "........",
    "........",
    "........",
    "........",
    "........"};
const Art kAllOther = {
    "xxxxxxxx",
    "xxxxxxxx",
    "xxxxxxxx",
    "xxxxxxxx",
    "xxxxxxxx",
    "xxxxxxxx"};

const PictureCase kShapeCases[] = {
    {"RightAndBottomEdgesExcluded", {}, Rect(1, 1, 5, 4), kPlainRect},
    {"CornersInAnyOrder", {}, Rect(5, 4, 1, 1), kPlainRect},
    {"CornersSwappedInXOnly", {}, Rect(5, 1, 1, 4), kPlainRect},
    {"ClearFillKeepsTheInside", kAllOther, ClearRect(1, 1, 5, 4), {
        "xxxxxxxx",
        "xPPPPxxx",
        "xPxxPxxx",
        "xPPPPxxx",
        "xxxxxxxx",
        "xxxxxxxx"}},
    {"SolidFillCoversTheInside", kAllOther, Rect(1, 1, 5, 4), {
        "xxxxxxxx",
        "xPPPPxxx",
        "xPFFPxxx",
        "xPPPPxxx",
        "xxxxxxxx",
        "xxxxxxxx"}},
    {"SettingTheFillColourMakesAClearFillSolid", kAllOther,
     [](Canvas& canvas) {
         canvas.SetFillStyle(FillStyle::Clear);
         canvas.SetFillColor(kFill);
         canvas.Rectangle(1, 1, 5, 4);
     }, {
        "xxxxxxxx",
        "xPPPPxxx",
        "xPFFPxxx",
        "xPPPPxxx",
        "xxxxxxxx",
        "xxxxxxxx"}},
    {"OutlineIsSolidUnderADottedPen", {},
     [](Canvas& canvas) {
         canvas.SetPenStyle(PenStyle::Dotted);
         canvas.Rectangle(1, 1, 5, 4);
     }, kPlainRect},
    {"ZeroWidthDrawsNothing", {}, Rect(3, 1, 3, 5), kEmpty},
    {"ZeroHeightDrawsNothing", {}, Rect(1, 2, 6, 2), kEmpty},
    {"OnePixel", {}, Rect(2, 2, 3, 3), {
        "........",
        "........",
        "..P.....",
        "........",
        "........",
        "........"}},
    {"TwoRowsAreAllOutline", {}, Rect(1, 1, 6, 3), {
        "........",
        ".PPPPP..",
        ".PPPPP..",
        "........",
        "........",
        "........"}},
    {"PartlyAboveAndLeftOfTheImage", {}, Rect(-3, -2, 3, 3), {
        "FFP.....",
        "FFP.....",
        "PPP.....",
        "........",
        "........",
        "........"}},
    {"PartlyBelowAndRightOfTheImage", {}, Rect(5, 3, 12, 9), {
        "........",
        "........",
        "........",
        ".....PPP",
        ".....PFF",
        ".....PFF"}},
    {"EdgesJustOutsideTheImage", {}, Rect(-1, -1, 9, 7), {
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF"}},
    {"EdgesOnTheImageBorder", {}, Rect(0, 0, 8, 6), {
        "PPPPPPPP",
        "PFFFFFFP",
        "PFFFFFFP",
        "PFFFFFFP",
        "PFFFFFFP",
        "PPPPPPPP"}},
    {"RightOfTheImage", {}, Rect(8, 0, 20, 6), kEmpty},
    {"BelowTheImage", {}, Rect(0, 6, 8, 20), kEmpty},
    {"LeftOfAndAboveTheImage", {}, Rect(-10, -10, 0, 0), kEmpty},
    {"Int32Limits", {}, Rect(kInt32Min, kInt32Min, kInt32Max, 3), {
        "FFFFFFFF",
        "FFFFFFFF",
        "PPPPPPPP",
        "........",
        "........",
        "........"}},
    {"SumsOfInt32Limits", {}, Rect(2 * kInt32Max, 4, 2 * kInt32Min, 2 * kInt32Max), {
        "........",
        "........",
        "........",
        "........",
        "PPPPPPPP",
        "FFFFFFFF"}},
    {"Int64Limits", {}, Rect(kInt64Min, kInt64Min, kInt64Max, kInt64Max), {
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF"}},
    {"RoundedCornersCutOnePixel", {},
     [](Canvas& canvas) { canvas.RoundRect(0, 0, 8, 6, 4, 4); }, {
        ".PPPPPP.",
        "PFFFFFFP",
        "PFFFFFFP",
        "PFFFFFFP",
        "PFFFFFFP",
        ".PPPPPP."}},
    {"CornerLargerThanTheRectangle", {},
     [](Canvas& canvas) { canvas.RoundRect(1, 1, 7, 5, 100, 100); }, {
        "........",
        "..PPPP..",
        ".PFFFFP.",
        ".PFFFFP.",
        "..PPPP..",
        "........"}},
    // Two rows leave no straight side between the corners: the rows still reach both ends, as a
    // strip body does in a drawing area 57 to 63 px high.
    {"FlatRoundRectKeepsItsEndColumns", {},
     [](Canvas& canvas) { canvas.RoundRect(1, 2, 7, 4, 10, 10); }, {
        "........",
        "........",
        ".PPPPPP.",
        ".PPPPPP.",
        "........",
        "........"}},
    // Four rows under a corner far wider than high: the middle rows reach both ends.
    {"FlatWideCornerReachesTheEndsInTheMiddleRows", {},
     [](Canvas& canvas) { canvas.RoundRect(0, 1, 40, 5, 40, 4); }, {
        "........................................",
        ".......PPPPPPPPPPPPPPPPPPPPPPPPPP.......",
        "PPPPPPPFFFFFFFFFFFFFFFFFFFFFFFFFFPPPPPPP",
        "PPPPPPPFFFFFFFFFFFFFFFFFFFFFFFFFFPPPPPPP",
        ".......PPPPPPPPPPPPPPPPPPPPPPPPPP.......",
        "........................................"}},
    {"ZeroCornerIsARectangle", {},
     [](Canvas& canvas) { canvas.RoundRect(5, 4, 1, 1, 0, 0); }, kPlainRect},
    {"NegativeCornerIsARectangle", {},
     [](Canvas& canvas) { canvas.RoundRect(1, 1, 5, 4, -7, -7); }, kPlainRect},
    {"RoundRectClearFill", kAllOther,
     [](Canvas& canvas) {
         canvas.SetFillStyle(FillStyle::Clear);
         canvas.RoundRect(0, 0, 8, 6, 4, 4);
     }, {
        "xPPPPPPx",
        "PxxxxxxP",
        "PxxxxxxP",
        "PxxxxxxP",
        "PxxxxxxP",
        "xPPPPPPx"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(CanvasShapes, CanvasPicture, testing::ValuesIn(kShapeCases), CaseName);

std::function<void(Canvas&)> Line(std::int64_t x0, std::int64_t y0, std::int64_t x1,
                                  std::int64_t y1) {
    return [=](Canvas& canvas) {
        canvas.MoveTo(x0, y0);
        canvas.LineTo(x1, y1);
    };
}

std::function<void(Canvas&)> DottedLine(std::int64_t x0, std::int64_t y0, std::int64_t x1,
                                        std::int64_t y1) {
    return [=](Canvas& canvas) {
        canvas.SetPenStyle(PenStyle::Dotted);
        canvas.MoveTo(x0, y0);
        canvas.LineTo(x1, y1);
    };
}

// clang-format off
const PictureCase kLineCases[] = {
    {"MoveToDrawsNothing", {}, [](Canvas& canvas) { canvas.MoveTo(3, 3); }, kEmpty},
    {"ZeroLengthDrawsNothing", {}, Line(3, 3, 3, 3), kEmpty},
    {"RightEndPointExcluded", {}, Line(1, 1, 5, 1), {
        "........",
        ".PPPP...",
        "........",
        "........",
        "........",
        "........"}},
    {"LeftEndPointExcluded", {}, Line(5, 1, 1, 1), {
        "........",
        "..PPPP..",
        "........",
        "........",
        "........",
        "........"}},
    {"Down", {}, Line(2, 1, 2, 4), {
        "........",
        "..P.....",
        "..P.....",
        "..P.....",
        "........",
        "........"}},
    {"Up", {}, Line(2, 4, 2, 1), {
        "........",
        "........",
        "..P.....",
        "..P.....",
        "..P.....",
        "........"}},
    {"DiagonalDownRight", {}, Line(0, 0, 4, 4), {
        "P.......",
        ".P......",
        "..P.....",
        "...P....",
        "........",
        "........"}},
    {"DiagonalUpLeft", {}, Line(4, 4, 0, 0), {
        "........",
        ".P......",
        "..P.....",
        "...P....",
        "....P...",
        "........"}},
    {"DiagonalUpRight", {}, Line(1, 5, 6, 0), {
        "........",
        ".....P..",
        "....P...",
        "...P....",
        "..P.....",
        ".P......"}},
    {"ShallowSteps", {}, Line(0, 1, 6, 3), {
        "........",
        "PP......",
        "..PPP...",
        ".....P..",
        "........",
        "........"}},
    {"SteepSteps", {}, Line(1, 0, 3, 5), {
        ".P......",
        ".P......",
        "..P.....",
        "..P.....",
        "...P....",
        "........"}},
    {"LinesJoinAtTheCorner", {},
     [](Canvas& canvas) {
         canvas.MoveTo(1, 1);
         canvas.LineTo(5, 1);
         canvas.LineTo(5, 4);
     }, {
        "........",
        ".PPPPP..",
        ".....P..",
        ".....P..",
        "........",
        "........"}},
    {"DottedKeepsTheGaps", kAllOther, DottedLine(0, 2, 7, 2), {
        "xxxxxxxx",
        "xxxxxxxx",
        "PxPxPxPx",
        "xxxxxxxx",
        "xxxxxxxx",
        "xxxxxxxx"}},
    {"DottedStartsWithTheFirstPixel", kAllOther, DottedLine(3, 5, 3, 0), {
        "xxxxxxxx",
        "xxxPxxxx",
        "xxxxxxxx",
        "xxxPxxxx",
        "xxxxxxxx",
        "xxxPxxxx"}},
    {"DottedSlanted", kAllOther, DottedLine(7, 0, 1, 3), {
        "xxxxxxxP",
        "xxxxxPxx",
        "xxxPxxxx",
        "xxxxxxxx",
        "xxxxxxxx",
        "xxxxxxxx"}},
    {"DottedPhaseCountsFromTheUnclippedStart", kAllOther, DottedLine(-9, 1, 20, 1), {
        "xxxxxxxx",
        "xPxPxPxP",
        "xxxxxxxx",
        "xxxxxxxx",
        "xxxxxxxx",
        "xxxxxxxx"}},
    {"AcrossInt32Limits", {}, Line(-2000000000, 3, 2000000000, 5), {
        "........",
        "........",
        "........",
        "........",
        "PPPPPPPP",
        "........"}},
    {"Int64Limits", {}, Line(kInt64Min, 2, kInt64Max, 2), {
        "........",
        "........",
        "PPPPPPPP",
        "........",
        "........",
        "........"}},
    {"VerticalThroughInt32Limits", {}, Line(6, kInt32Max, 6, kInt32Min), {
        "......P.",
        "......P.",
        "......P.",
        "......P.",
        "......P.",
        "......P."}},
    {"OffTheImage", {},
     [](Canvas& canvas) {
         canvas.MoveTo(-5, -1);
         canvas.LineTo(20, -1);
         canvas.LineTo(20, 20);
         canvas.LineTo(-20, 30);
         canvas.LineTo(-1, 0);
         canvas.LineTo(-30, -30);
     }, kEmpty},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(CanvasLines, CanvasPicture, testing::ValuesIn(kLineCases), CaseName);

std::function<void(Canvas&)> Fill(std::int64_t x, std::int64_t y) {
    return [=](Canvas& canvas) { canvas.FloodFill(x, y, kBorder); };
}

// clang-format off
const Art kBox = {
    "........",
    ".BBBBB..",
    ".B.x.B..",
    ".B..xB..",
    ".BBBBB..",
    "........"};

const PictureCase kFloodFillCases[] = {
    {"InsideAOnePixelOutline", kBox, Fill(2, 2), {
        "........",
        ".BBBBB..",
        ".BFFFB..",
        ".BFFFB..",
        ".BBBBB..",
        "........"}},
    {"OutsideTheOutlineUpToTheImageEdges", kBox, Fill(7, 5), {
        "FFFFFFFF",
        "FBBBBBFF",
        "FB.x.BFF",
        "FB..xBFF",
        "FBBBBBFF",
        "FFFFFFFF"}},
    {"StoppedByADiagonalStep", {
        "..B.....",
        "..B.....",
        "...B....",
        "...B....",
        "....B...",
        "....B..."}, Fill(0, 5), {
        "FFB.....",
        "FFB.....",
        "FFFB....",
        "FFFB....",
        "FFFFB...",
        "FFFFB..."}},
    {"WindsThroughAMaze", {
        ".B...B..",
        ".B.B.B..",
        ".B.B.B..",
        ".B.B.B..",
        "...B....",
        "BBBBBBBB"}, Fill(0, 0), {
        "FBFFFBFF",
        "FBFBFBFF",
        "FBFBFBFF",
        "FBFBFBFF",
        "FFFBFFFF",
        "BBBBBBBB"}},
    {"PassesThroughTheFillColourAlreadyThere", {
        "BBBBBBBB",
        "B.FFF..B",
        "B.F.F..B",
        "B.FFF..B",
        "BBBBBBBB",
        "........"}, Fill(1, 1), {
        "BBBBBBBB",
        "BFFFFFFB",
        "BFFFFFFB",
        "BFFFFFFB",
        "BBBBBBBB",
        "........"}},
    {"StartsOnTheFillColour", {
        "BBBBBBBB",
        "BFFFFx.B",
        "BFBBBBBB",
        "BF.x..xB",
        "BBBBBBBB",
        "........"}, Fill(1, 1), {
        "BBBBBBBB",
        "BFFFFFFB",
        "BFBBBBBB",
        "BFFFFFFB",
        "BBBBBBBB",
        "........"}},
    {"StartOutsideTheImage", kBox, Fill(-1, 2), kBox},
    {"StartBeyondTheRightEdge", kBox, Fill(8, 2), kBox},
    {"StartFarOutside", kBox, Fill(kInt64Max, kInt64Min), kBox},
    {"StartOnTheBorderColour", kBox, Fill(1, 1), kBox},
    {"ClearFillFillsNothing", kBox,
     [](Canvas& canvas) {
         canvas.SetFillStyle(FillStyle::Clear);
         canvas.FloodFill(2, 2, kBorder);
     }, kBox},
    {"FillColourEqualToTheBorder", kBox,
     [](Canvas& canvas) {
         canvas.SetFillColor(kBorder);
         canvas.FloodFill(2, 2, kBorder);
     }, {
        "........",
        ".BBBBB..",
        ".BBBBB..",
        ".BBBBB..",
        ".BBBBB..",
        "........"}},
    {"WholeImageWithoutBorder", kAllOther, Fill(4, 3), {
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF",
        "FFFFFFFF"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(CanvasFloodFill, CanvasPicture, testing::ValuesIn(kFloodFillCases),
                         CaseName);

// ---- Lines: properties ----

// A line drawn into a small image shows the same pixels as the line drawn into a large one and
// cut out, for random end points in and around the small image, with either pen.
TEST(CanvasLineClipping, EqualsTheUnclippedLineCutToTheImage) {
    constexpr int kLargeWidth = 40;
    constexpr int kLargeHeight = 32;
    constexpr int kOffsetX = 14;  // where the small image lies within the large one
    constexpr int kOffsetY = 11;
    constexpr int kSmallWidth = 9;
    constexpr int kSmallHeight = 7;
    std::mt19937 random(20240229);
    std::uniform_int_distribution<int> column(0, kLargeWidth - 1);
    std::uniform_int_distribution<int> row(0, kLargeHeight - 1);
    for (int trial = 0; trial < 4000; ++trial) {
        const int x0 = column(random);
        const int y0 = row(random);
        const int x1 = column(random);
        const int y1 = row(random);
        const PenStyle style = trial % 2 == 0 ? PenStyle::Solid : PenStyle::Dotted;
        Bitmap large(kLargeWidth, kLargeHeight);
        Canvas whole(large);
        whole.SetPenStyle(style);
        whole.MoveTo(x0, y0);
        whole.LineTo(x1, y1);
        Bitmap small(kSmallWidth, kSmallHeight);
        Canvas part(small);
        part.SetPenStyle(style);
        part.MoveTo(x0 - kOffsetX, y0 - kOffsetY);
        part.LineTo(x1 - kOffsetX, y1 - kOffsetY);
        int mismatches = 0;
        for (int y = 0; y < kSmallHeight; ++y) {
            for (int x = 0; x < kSmallWidth; ++x) {
                mismatches += small.Pixel(x, y) != large.Pixel(x + kOffsetX, y + kOffsetY);
            }
        }
        ASSERT_EQ(mismatches, 0) << "line (" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1
                                 << "), dotted " << (style == PenStyle::Dotted);
    }
}

// One pixel per step along the longer axis, every other one when dotted; no two on one step.
TEST(CanvasLineClipping, DrawsOnePixelPerStepOfTheLongerAxis) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(0, 29);
    for (int trial = 0; trial < 2000; ++trial) {
        const int x0 = coordinate(random);
        const int y0 = coordinate(random);
        const int x1 = coordinate(random);
        const int y1 = coordinate(random);
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (const PenStyle style : {PenStyle::Solid, PenStyle::Dotted}) {
            Bitmap image(30, 30);
            Canvas canvas(image);
            canvas.SetPenStyle(style);
            canvas.MoveTo(x0, y0);
            canvas.LineTo(x1, y1);
            const int expected = style == PenStyle::Solid ? steps : (steps + 1) / 2;
            ASSERT_EQ(CountPixels(image, kBlack), expected)
                << "line (" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1 << ")";
            if (steps > 0) {
                EXPECT_EQ(image.Pixel(x0, y0), kBlack);
            }
        }
    }
}

// A line with far ends takes the pixels of a short line of the same slope through the same
// start pixel: the visible part is computed, not walked to.
TEST(CanvasLineClipping, FarEndsGiveTheSameStepsAsANearLine) {
    struct Pair {
        std::int64_t farX0, farY0, farX1, farY1;
        std::int64_t nearX0, nearY0, nearX1, nearY1;
    };
    // The far lines take an even number of steps before the image, so the dots match too.
    const Pair pairs[] = {
        {-3000000000, -1000000000, 3000000000, 1000000000, 0, 0, 9, 3},
        {1000000007, -3000000000, -999999993, 3000000000, 7, 0, 4, 9},
        {-899999998, 1800000005, 900000002, -1799999995, 2, 5, 7, -5},
    };
    for (const Pair& pair : pairs) {
        for (const PenStyle style : {PenStyle::Solid, PenStyle::Dotted}) {
            Bitmap far(8, 6);
            Canvas farCanvas(far);
            Prepare(farCanvas);
            farCanvas.SetPenStyle(style);
            farCanvas.MoveTo(pair.farX0, pair.farY0);
            farCanvas.LineTo(pair.farX1, pair.farY1);
            Bitmap near(8, 6);
            Canvas nearCanvas(near);
            Prepare(nearCanvas);
            nearCanvas.SetPenStyle(style);
            nearCanvas.MoveTo(pair.nearX0, pair.nearY0);
            nearCanvas.LineTo(pair.nearX1, pair.nearY1);
            EXPECT_EQ(Show(far), Show(near))
                << "far line from (" << pair.farX0 << ", " << pair.farY0 << ")";
            EXPECT_GT(CountPixels(near, kPen), 0);
        }
    }
}

// ---- Flood fill: against a plain pixel-by-pixel search ----

Bitmap NoisyImage(std::mt19937& random, int width, int height) {
    std::discrete_distribution<int> pick({45, 35, 15, 5});  // white, border, fill, other
    const Color colors[] = {kWhite, kBorder, kFill, kOther};
    Bitmap image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.SetPixel(x, y, colors[pick(random)]);
        }
    }
    return image;
}

// Breadth first, one pixel at a time, with a mark per pixel.
void ReferenceFill(Bitmap& image, int x, int y, Color border, Color fill) {
    if (image.Pixel(x, y) == border) {
        return;
    }
    std::vector<char> seen(static_cast<std::size_t>(image.Width() * image.Height()));
    const auto mark = [&](int px, int py) -> char& {
        return seen[static_cast<std::size_t>(py * image.Width() + px)];
    };
    std::queue<std::pair<int, int>> open;
    open.emplace(x, y);
    mark(x, y) = 1;
    while (!open.empty()) {
        const auto [px, py] = open.front();
        open.pop();
        image.SetPixel(px, py, fill);
        const std::pair<int, int> neighbours[] = {
            {px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}};
        for (const auto& [nx, ny] : neighbours) {
            if (image.Contains(nx, ny) && !mark(nx, ny) && image.Pixel(nx, ny) != border) {
                mark(nx, ny) = 1;
                open.emplace(nx, ny);
            }
        }
    }
}

TEST(CanvasFloodFillRegions, MatchAPixelByPixelSearch) {
    std::mt19937 random(1234);
    for (int trial = 0; trial < 300; ++trial) {
        const int width = 1 + trial % 37;
        const int height = 1 + trial % 23;
        Bitmap image = NoisyImage(random, width, height);
        Bitmap expected = image;
        const int x = std::uniform_int_distribution<int>(0, width - 1)(random);
        const int y = std::uniform_int_distribution<int>(0, height - 1)(random);
        ReferenceFill(expected, x, y, kBorder, kFill);
        Canvas canvas(image);
        canvas.SetFillColor(kFill);
        canvas.FloodFill(x, y, kBorder);
        ASSERT_TRUE(SameImage(image, expected))
            << "trial " << trial << ", start (" << x << ", " << y << ")\n"
            << Show(image) << "expected\n"
            << Show(expected);
    }
}

// A region much deeper than any call stack would allow.
TEST(CanvasFloodFillRegions, FillsALongSerpentine) {
    constexpr int kSize = 401;
    Bitmap image(kSize, kSize);
    for (int x = 1; x < kSize; x += 2) {
        const int gap = (x / 2) % 2 == 0 ? kSize - 1 : 0;
        for (int y = 0; y < kSize; ++y) {
            if (y != gap) {
                image.SetPixel(x, y, kBorder);
            }
        }
    }
    Bitmap expected = image;
    ReferenceFill(expected, 0, 0, kBorder, kFill);
    Canvas canvas(image);
    canvas.SetFillColor(kFill);
    canvas.FloodFill(0, 0, kBorder);
    EXPECT_TRUE(SameImage(image, expected));
    EXPECT_EQ(image.Pixel(kSize - 1, kSize - 1), kFill);
}

// ---- Rounded rectangles: a closed outline, symmetric ----

struct RoundCase {
    const char* name;
    int width;
    int height;
    int cornerWidth;
    int cornerHeight;
};

std::ostream& operator<<(std::ostream& out, const RoundCase& shape) {
    return out << shape.name;
}

class CanvasRoundRect : public testing::TestWithParam<RoundCase> {
protected:
    static constexpr int kMargin = 3;
    static constexpr Color kInside = kOther;

    // The shape with a margin around it: outline in the border colour, inside in kInside.
    Bitmap Draw() const {
        const RoundCase& shape = GetParam();
        Bitmap image(shape.width + 2 * kMargin, shape.height + 2 * kMargin);
        Canvas canvas(image);
        canvas.SetPenColor(kBorder);
        canvas.SetFillColor(kInside);
        canvas.RoundRect(kMargin, kMargin, kMargin + shape.width, kMargin + shape.height,
                         shape.cornerWidth, shape.cornerHeight);
        return image;
    }
};

TEST_P(CanvasRoundRect, FillFromOutsideStaysOutside) {
    Bitmap image = Draw();
    const int insideBefore = CountPixels(image, kInside);
    Canvas canvas(image);
    canvas.SetFillColor(kFill);
    canvas.FloodFill(0, 0, kBorder);
    EXPECT_EQ(CountPixels(image, kInside), insideBefore) << Show(image);
    EXPECT_EQ(CountPixels(image, kWhite), 0) << Show(image);
}

TEST_P(CanvasRoundRect, FillFromInsideStaysInside) {
    Bitmap image = Draw();
    const int insideBefore = CountPixels(image, kInside);
    const int whiteBefore = CountPixels(image, kWhite);
    ASSERT_GT(insideBefore, 0);
    const int middleX = image.Width() / 2;
    const int middleY = image.Height() / 2;
    ASSERT_EQ(image.Pixel(middleX, middleY), kInside);
    Canvas canvas(image);
    canvas.SetFillColor(kFill);
    canvas.FloodFill(middleX, middleY, kBorder);
    EXPECT_EQ(CountPixels(image, kFill), insideBefore) << Show(image);
    EXPECT_EQ(CountPixels(image, kWhite), whiteBefore) << Show(image);
}

TEST_P(CanvasRoundRect, IsSymmetric) {
    const Bitmap image = Draw();
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            ASSERT_EQ(image.Pixel(x, y), image.Pixel(image.Width() - 1 - x, y)) << x << ", " << y;
            ASSERT_EQ(image.Pixel(x, y), image.Pixel(x, image.Height() - 1 - y)) << x << ", " << y;
        }
    }
}

// The middles of the edges lie on the rectangle's first and last rows and columns, and nothing
// lies outside it.
TEST_P(CanvasRoundRect, StaysWithinTheRectangle) {
    const Bitmap image = Draw();
    const int right = image.Width() - 1 - kMargin;
    const int bottom = image.Height() - 1 - kMargin;
    EXPECT_EQ(image.Pixel(image.Width() / 2, kMargin), kBorder);
    EXPECT_EQ(image.Pixel(image.Width() / 2, bottom), kBorder);
    EXPECT_EQ(image.Pixel(kMargin, image.Height() / 2), kBorder);
    EXPECT_EQ(image.Pixel(right, image.Height() / 2), kBorder);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (x < kMargin || x > right || y < kMargin || y > bottom) {
                ASSERT_EQ(image.Pixel(x, y), kWhite) << x << ", " << y;
            }
        }
    }
}

// clang-format off
const RoundCase kRoundCases[] = {
    {"StripBody", 60, 30, 10, 10},
    {"CursorWindow", 108, 90, 40, 40},
    {"CursorWindowFullHeight", 108, 499, 40, 40},
    {"WideCorner", 50, 30, 40, 10},
    {"TallCorner", 30, 50, 10, 40},
    {"OddCorner", 21, 17, 7, 5},
    {"CornerTwo", 9, 7, 2, 2},
    {"CornerThree", 9, 7, 3, 3},
    {"CornerLargerThanTheRectangle", 30, 20, 200, 200},
    {"CornerAsLargeAsTheRectangle", 16, 12, 16, 12},
    {"Square", 25, 25, 25, 25},
};
// clang-format on

std::string RoundCaseName(const testing::TestParamInfo<RoundCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(CanvasCorners, CanvasRoundRect, testing::ValuesIn(kRoundCases),
                         RoundCaseName);

// ---- The smallest images ----

struct TinyCase {
    const char* name;
    std::function<void(Canvas&)> draw;
    Color pixel;
};

TEST(CanvasTinyImage, OnePixel) {
    const TinyCase cases[] = {
        {"Rectangle on it", Rect(0, 0, 1, 1), kPen},
        {"Rectangle around it", Rect(-5, -5, 5, 5), kFill},
        {"Rectangle edge through it", Rect(0, -5, 5, 5), kPen},
        {"Rounded rectangle around it", [](Canvas& c) { c.RoundRect(-5, -5, 6, 6, 10, 10); },
         kFill},
        {"Line through it", Line(-3, 0, 4, 0), kPen},
        {"Slanted line through it", Line(-3, -3, 4, 4), kPen},
        {"Dotted line with a gap on it", DottedLine(-3, 0, 4, 0), kWhite},
        {"Dotted line with a dot on it", DottedLine(-4, -4, 4, 4), kPen},
        {"Line ending on it", Line(-3, 0, 0, 0), kWhite},
        {"Flood fill", Fill(0, 0), kFill},
        {"Flood fill beside it", Fill(1, 0), kWhite},
    };
    for (const TinyCase& tiny : cases) {
        Bitmap image(1, 1);
        Canvas canvas(image);
        Prepare(canvas);
        tiny.draw(canvas);
        EXPECT_EQ(image.Pixel(0, 0), tiny.pixel) << tiny.name;
    }
}

}  // namespace
