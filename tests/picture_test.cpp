// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "drawing/bitmap.h"
#include "drawing/canvas.h"
#include "drawing/compose.h"
#include "geometry/box.h"
#include "geometry/picture_layout.h"
#include "readouts/readout_table.h"

namespace {

constexpr Color kSlideFill = Rgb(255, 255, 192);
constexpr Color kStatorFill = Rgb(192, 255, 255);
constexpr Color kOutline = Rgb(128, 128, 128);
constexpr Color kTick = Rgb(128, 0, 0);
constexpr Color kCursorBlue = Rgb(0, 0, 255);
constexpr Color kHairline = Rgb(128, 128, 128);

Bitmap Render(int width, int height, SlideRuleView view) {
    ReadoutTable table;
    return ComposePicture(width, height, view, table).image;
}

// The window's first drawing area, in the state it starts with.
const Bitmap& FirstPicture() {
    static const Bitmap picture = Render(1164, 539, {ScaleMode::Logarithmic, 0, 150});
    return picture;
}

struct PixelCase {
    const char* what;
    int x;
    int y;
    Color color;
};

// Pixels the first picture fixes, away from every glyph.
const PixelCase kFirstPicturePixels[] = {
    {"upper slide top outline", 30, 20, kOutline},
    {"upper slide body", 30, 21, kSlideFill},
    {"upper slide bottom outline", 30, 140, kOutline},
    {"upper stator top outline, touching the slide", 30, 141, kOutline},
    {"upper stator body", 30, 142, kStatorFill},
    {"upper stator bottom outline", 30, 261, kOutline},
    {"gap between the views", 30, 262, kWhite},
    {"gap above the lower view", 30, 268, kWhite},
    {"left copy top outline", 30, 269, kOutline},
    {"left copy body", 30, 270, kSlideFill},
    {"left copy's last column", 59, 300, kOutline},
    {"slide band between the copies", 60, 300, kWhite},
    {"slide band between the copies, right", 1103, 300, kWhite},
    {"right copy's first column", 1104, 300, kOutline},
    {"lower stator top outline", 30, 390, kOutline},
    {"lower stator bottom outline", 30, 510, kOutline},
    {"below the lower stator", 30, 511, kWhite},
    {"upper slide's left end tick, first row", 40, 139, kTick},
    {"upper slide's left end tick, 79th row", 40, 61, kTick},
    {"above the upper slide's end tick", 40, 60, kSlideFill},
    {"upper slide's right end tick", 1124, 61, kTick},
    {"left copy's right end tick on the stator's first mark", 40, 388, kTick},
    {"right copy's left end tick on the stator's last mark", 1124, 388, kTick},
    {"lower stator's end tick hangs from its top", 40, 390, kTick},
    {"lower stator's end tick, 79th row", 40, 468, kTick},
    {"below the lower stator's end tick", 40, 469, kStatorFill},
    {"outer cursor outline, top left", 145, 10, kCursorBlue},
    {"outer cursor outline, bottom left", 145, 520, kCursorBlue},
    {"above the cursor", 145, 9, kWhite},
    {"below the cursor", 145, 521, kWhite},
    {"outer cursor outline, right column", 274, 10, kCursorBlue},
    {"right of the cursor", 275, 10, kWhite},
    {"frame, top bar", 150, 12, kCursorFrameColor},
    {"frame, left bar over the lower stator", 155, 450, kCursorFrameColor},
    {"inner outline, left side", 156, 300, kCursorBlue},
    {"window of the cursor shows the picture", 157, 300, kWhite},
    {"frame, right bar", 270, 300, kCursorFrameColor},
    {"frame, bottom bar", 210, 515, kCursorFrameColor},
    {"hairline, first dot", 210, 16, kHairline},
    {"hairline, last dot", 210, 514, kHairline},
    {"hairline gap shows the picture", 210, 17, kWhite},
    {"hairline gap over the lower slide band", 210, 301, kWhite},
};

TEST(FirstPicture, PixelsWhereTheDesignFixesThem) {
    const Bitmap& picture = FirstPicture();
    for (const PixelCase& c : kFirstPicturePixels) {
        EXPECT_EQ(picture.Pixel(c.x, c.y), c.color)
            << c.what << " at (" << c.x << ", " << c.y << ")";
    }
}

TEST(FirstPicture, HairlineIsDottedOverItsWholeLength) {
    const Bitmap& picture = FirstPicture();
    for (int y = 16; y <= 514; y += 2) {
        EXPECT_EQ(picture.Pixel(210, y), kHairline) << "row " << y;
    }
}

TEST(Cursor, FrameIsFilledWhenOneSideLeavesThePicture) {
    const Bitmap left = Render(1164, 539, {ScaleMode::Logarithmic, 0, -20});
    EXPECT_EQ(left.Pixel(0, 12), kCursorFrameColor);
    EXPECT_EQ(left.Pixel(92, 12), kCursorFrameColor);
    EXPECT_EQ(left.Pixel(103, 300), kCursorFrameColor);  // right bar
    const Bitmap right = Render(1164, 539, {ScaleMode::Logarithmic, 0, 1064});
    EXPECT_EQ(right.Pixel(1068, 12), kCursorFrameColor);
    EXPECT_EQ(right.Pixel(1163, 12), kCursorFrameColor);
    EXPECT_EQ(right.Pixel(1063, 300), kCursorFrameColor);  // left bar
}

// A canvas whose text cells show up: a solid fill paints the cell behind the glyphs.
class StripPainterTest : public ::testing::Test {
protected:
    Bitmap image{200, 300};
    Canvas canvas{image};
    static constexpr Color kCellColor = Rgb(255, 0, 255);

    void SetUp() override { canvas.SetFillColor(kCellColor); }
};

TEST_F(StripPainterTest, NameCellsStandNearTheTickEdge) {
    const std::int64_t stripHeight = PictureLayout::ForArea(1164, 539).stripHeight;
    const Strip slide{0, 20, Orientation::Slide, kSlideFill, 0};
    const Strip stator{0, 141, Orientation::Stator, kStatorFill, 0};
    StripPainter(canvas, stripHeight, slide).DrawLabel(115, "Skale C", 46.0);
    StripPainter(canvas, stripHeight, stator).DrawLabel(115, "Skale D", 46.0);
    for (const int top : {25, 243}) {
        EXPECT_EQ(image.Pixel(46, top), kCellColor) << top;
        EXPECT_EQ(image.Pixel(46, top - 1), kWhite) << top;
        EXPECT_EQ(image.Pixel(45, top), kWhite) << top;
    }
}

TEST_F(StripPainterTest, TickColumnsAndLengthsRoundHalvesToEven) {
    const Strip slide{0, 0, Orientation::Slide, kSlideFill, 0};
    StripPainter painter(canvas, 126, slide);
    painter.DrawTick(10, 100.5);  // 10.5 px long, in column 100
    painter.DrawTick(10, 101.5);  // in column 102
    for (const int column : {100, 102}) {
        EXPECT_EQ(image.Pixel(column, 126), kBlack) << column;
        EXPECT_EQ(image.Pixel(column, 117), kBlack) << column;
        EXPECT_EQ(image.Pixel(column, 116), kWhite) << column;
    }
    EXPECT_EQ(image.Pixel(101, 126), kWhite);
}

TEST_F(StripPainterTest, TickRoundingToNothingDrawsNothing) {
    const Strip stator{0, 10, Orientation::Stator, kStatorFill, 0};
    StripPainter(canvas, 5, stator).DrawTick(10, 50.0);
    for (int y = 0; y < image.Height(); ++y) {
        ASSERT_EQ(image.Pixel(50, y), kWhite) << y;
    }
}

// The picture drawn the plain way: on a white image, every row painted before anything is drawn.
Bitmap DrawnOnWhite(int width, int height, const SlideRuleView& view) {
    Bitmap image(width, height);
    Canvas canvas(image);
    DrawPicture(canvas, PictureLayout::ForArea(width, height), view);
    return image;
}

constexpr Color kMagenta = Rgb(255, 0, 255);

Bitmap MagentaBitmap(int width, int height) {
    Bitmap image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.SetPixel(x, y, kMagenta);
        }
    }
    return image;
}

// How many pixels of the target differ from the expected picture.
int Differing(const Pixels& target, const Bitmap& expected) {
    int differing = 0;
    for (int y = 0; y < target.Height(); ++y) {
        for (int x = 0; x < target.Width(); ++x) {
            differing += target.Pixel(x, y) != expected.Pixel(x, y) ? 1 : 0;
        }
    }
    return differing;
}

// The window composes into its backing store, which holds the last frame, with the drawing area
// somewhere inside a wider image, and the composer paints a row white only when it first draws
// there: every pixel still comes out as on a white image, whatever it held before, and nothing
// beyond the target changes. Low areas put labels and ticks beyond the strips' rows.
TEST(Compose, PaintsEveryPixelOverWhateverWasThere) {
    const SlideRuleView views[] = {{ScaleMode::Logarithmic, 0, 150},
                                   {ScaleMode::Linear, 1626, -20},
                                   {ScaleMode::Logarithmic, -400, 1064}};
    const std::pair<int, int> sizes[] = {{1164, 539}, {400, 60}, {400, 80}, {200, 33}, {120, 900}};
    constexpr int kLeft = 5;
    constexpr int kTop = 3;
    constexpr int kMargin = 11;
    PictureComposer composer;
    for (const auto& [width, height] : sizes) {
        for (const SlideRuleView& view : views) {
            const Bitmap fresh = DrawnOnWhite(width, height, view);
            Bitmap store = MagentaBitmap(width + kMargin, height + kMargin);
            const Pixels target = store.View().Part(kLeft, kTop, kLeft + width, kTop + height);
            ReadoutTable table;
            composer.Compose(target, view, table);
            EXPECT_EQ(Differing(target, fresh), 0)
                << width << "x" << height << ", slide " << view.slideX;
            int marginChanged = 0;
            for (int y = 0; y < store.Height(); ++y) {
                for (int x = 0; x < store.Width(); ++x) {
                    const bool inTarget =
                        x >= kLeft && x < kLeft + width && y >= kTop && y < kTop + height;
                    marginChanged += !inTarget && store.Pixel(x, y) != kMagenta ? 1 : 0;
                }
            }
            EXPECT_EQ(marginChanged, 0) << width << "x" << height;
        }
    }
}

bool Within(const std::vector<Box>& boxes, int x, int y) {
    return std::any_of(boxes.begin(), boxes.end(), [x, y](const Box& box) {
        return box.left <= x && x < box.right && box.top <= y && y < box.bottom;
    });
}

// The screen is brought up to date only where a move can change the picture: every pixel that a
// move of the slide or the cursor alone changes lies in the area said, labels included.
TEST(ChangedArea, HoldsEveryPixelAMoveChanges) {
    struct Move {
        SlideRuleView before;
        SlideRuleView after;
    };
    const Move moves[] = {
        {{ScaleMode::Logarithmic, 0, 150}, {ScaleMode::Logarithmic, 1, 150}},
        {{ScaleMode::Linear, 0, 150}, {ScaleMode::Linear, -400, 150}},
        {{ScaleMode::Logarithmic, 1626, 300}, {ScaleMode::Logarithmic, -1626, 300}},
        {{ScaleMode::Logarithmic, 0, 150}, {ScaleMode::Logarithmic, 0, 151}},
        {{ScaleMode::Linear, 301, -20}, {ScaleMode::Linear, 301, 200}},
        {{ScaleMode::Logarithmic, -50, 500}, {ScaleMode::Logarithmic, -50, 180}},
    };
    const std::pair<int, int> sizes[] = {{1164, 539}, {600, 380}, {300, 380}, {1000, 900}};
    int changedInAll = 0;
    for (const auto& [width, height] : sizes) {
        const PictureLayout layout = PictureLayout::ForArea(width, height);
        for (const Move& move : moves) {
            const auto area = ChangedArea(layout, move.before, move.after);
            ASSERT_TRUE(area) << width << "x" << height;
            const Bitmap before = Render(width, height, move.before);
            const Bitmap after = Render(width, height, move.after);
            int changed = 0;
            int outside = 0;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    if (before.Pixel(x, y) != after.Pixel(x, y)) {
                        ++changed;
                        outside += Within(*area, x, y) ? 0 : 1;
                    }
                }
            }
            changedInAll += changed;
            // Composed within the area over the picture before, the picture after comes out.
            Bitmap updated = before;
            ReadoutTable table;
            PictureComposer().ComposeWithin(updated.View(), *area, move.after, table);
            EXPECT_EQ(Differing(updated.View(), after), 0)
                << width << "x" << height << ": composed within the changed area";
            EXPECT_EQ(outside, 0) << width << "x" << height << ": slide " << move.before.slideX
                                  << " to " << move.after.slideX << ", cursor "
                                  << move.before.cursorX << " to " << move.after.cursorX;
        }
    }
    EXPECT_GT(changedInAll, 0);
}

TEST(ChangedArea, SaysNothingOfOtherChangesOrOfLowStripsAndNoneForNoMove) {
    const PictureLayout layout = PictureLayout::ForArea(1164, 539);
    const SlideRuleView start{ScaleMode::Logarithmic, 0, 150};
    EXPECT_FALSE(ChangedArea(layout, start, {ScaleMode::Linear, 0, 150}));
    EXPECT_FALSE(ChangedArea(layout, start, {ScaleMode::Logarithmic, 5, 155}));
    EXPECT_FALSE(
        ChangedArea(PictureLayout::ForArea(1164, 379), start, {ScaleMode::Logarithmic, 5, 150}));
    const auto unchanged = ChangedArea(layout, start, start);
    ASSERT_TRUE(unchanged);
    EXPECT_TRUE(unchanged->empty());
}

// Sizes and positions far from the window's own: every render stays sound (the sanitizers watch
// it) and still shows what it can.
struct ExtremeCase {
    const char* name;
    int width;
    int height;
    std::int32_t slideX;
    std::int32_t cursorX;
    std::vector<PixelCase> pixels;
};

class ExtremeRender : public ::testing::TestWithParam<ExtremeCase> {};

TEST_P(ExtremeRender, IsSoundInBothModes) {
    const ExtremeCase& c = GetParam();
    for (const ScaleMode mode : {ScaleMode::Logarithmic, ScaleMode::Linear}) {
        const Bitmap picture = Render(c.width, c.height, {mode, c.slideX, c.cursorX});
        for (const PixelCase& p : c.pixels) {
            EXPECT_EQ(picture.Pixel(p.x, p.y), p.color) << p.what;
        }
    }
}

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtremeRender,
    ::testing::Values(
        ExtremeCase{"Empty", 0, 0, 0, 150, {}}, ExtremeCase{"OnePixel", 1, 1, 0, 150, {}},
        // Both fill points lie outside a picture this narrow: the frame stays unfilled.
        ExtremeCase{"EightyWide",
                    80,
                    539,
                    0,
                    -20,
                    {{"outer outline", 0, 10, kCursorBlue}, {"unfilled frame", 0, 12, kWhite}}},
        // A strip height of 0 leaves bodies of two outline rows, closed at both ends.
        ExtremeCase{"FlatStrips",
                    400,
                    60,
                    0,
                    200,
                    {{"upper slide's first column", 20, 20, kOutline},
                     {"upper slide's first column, second row", 20, 21, kOutline},
                     {"upper slide's last column", 379, 20, kOutline},
                     {"upper slide's last column, second row", 379, 21, kOutline}}},
        ExtremeCase{
            "NegativeStripHeight",
            1164,
            40,
            0,
            150,
            {{"frame", 150, 12, kCursorFrameColor}, {"outer outline", 145, 10, kCursorBlue}}},
        ExtremeCase{"SlideFarLeft",
                    1164,
                    539,
                    kMin,
                    kMin,
                    {{"upper stator", 30, 141, kOutline}, {"no slide", 600, 60, kWhite}}},
        ExtremeCase{"SlideFarRight",
                    1164,
                    539,
                    kMax,
                    kMax,
                    {{"lower stator", 30, 390, kOutline}, {"no copy", 600, 300, kWhite}}},
        ExtremeCase{"VeryWide",
                    32767,
                    120,
                    kMax,
                    16000,
                    {{"frame", 16000, 12, kCursorFrameColor},
                     {"upper stator's top outline near its end", 32700, 37, kOutline}}},
        ExtremeCase{"VeryTall",
                    120,
                    32767,
                    kMin,
                    -20,
                    {{"frame", 0, 12, kCursorFrameColor}, {"lower stator", 30, 24561, kOutline}}}),
    [](const ::testing::TestParamInfo<ExtremeCase>& test) { return std::string(test.param.name); });

}  // namespace
