// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "geometry/box.h"

// Where everything stands in a picture of the drawing area. Every number of the layout is named
// here; the picture, the graduations, the readings, the hit test and the cursor's clamp all take
// their positions from one PictureLayout, made once per render or event. Positions are 64-bit so
// that sums of 32-bit settings and sizes never overflow.

// A strip is a body of rounded outline with a scale along it. Relative to the strip's offset a:
// the body spans the columns a + 20 .. a + W + 19, and the scale runs from a + 40 to a + W, so
// one scale length is W - 40. The stators stand at a = 0: 20 px from either side of the area.
constexpr std::int64_t kStripBodyStart = 20;
constexpr std::int64_t kScaleStart = 40;

// A body is h rows between its two outline rows, its corners rounded by a 10 x 10 ellipse.
constexpr std::int64_t kBodyOutlineRows = 2;
constexpr std::int64_t kStripBodyCorner = 10;

// The height of the area less 60 rows of margins is shared by the four strips of the two views.
constexpr std::int64_t kRowsBesideStrips = 60;
constexpr std::int64_t kStripsInHeight = 4;

// The upper view starts 20 rows down; the lower view starts half way down the area.
constexpr std::int64_t kUpperViewTop = 20;

// The cursor around its reference column cx: an outer rectangle from cx - 5, 130 px wide, and a
// rounded inner one 11 px inside it on either side, the yellow frame between them. The outer one
// reaches 10 rows beyond the strips above and below, the inner one 4 rows.
constexpr std::int64_t kCursorLeft = -5;
constexpr std::int64_t kCursorWidth = 130;
constexpr std::int64_t kCursorSideBar = 11;
constexpr std::int64_t kCursorOuterRowsBeyondStrips = 10;
constexpr std::int64_t kCursorInnerRowsBeyondStrips = 4;
constexpr std::int64_t kCursorWindowCorner = 40;
// The frame is filled from two points of its top bar, 2 rows below the outer outline: the first
// also lies in the left bar, the second near the right end of the top bar. When one side of the
// cursor is outside the picture, the other point still fills what is visible.
constexpr std::int64_t kFrameSeedRowBelowTop = 2;
constexpr std::int64_t kLeftFrameSeed = 4;
constexpr std::int64_t kRightFrameSeed = 112;
// The dotted hairline stands 60 px right of the cursor's reference column.
constexpr std::int64_t kHairlineRightOfCursor = 60;

struct CursorLayout {
    Box outer;
    Box inner;  // rounded by a kCursorWindowCorner ellipse
    Point leftSeed;
    Point rightSeed;
    std::int64_t hairlineX;
    std::int64_t hairlineTop;
    std::int64_t hairlineBottom;  // excluded
};

// Where the scales are read, in pixels along them: the slide's index and the hairline, both
// counted from the lower scale's index, and one scale length.
struct ScalePositions {
    std::int64_t scaleLength;
    std::int64_t slideIndex;
    std::int64_t hairline;
};

// The layout of a drawing area of width x height pixels.
struct PictureLayout {
    std::int64_t width;
    std::int64_t height;
    std::int64_t stripWidth;    // W
    std::int64_t stripHeight;   // h, truncated toward zero; 0 or less below 64 rows
    std::int64_t scaleLength;   // L
    std::int64_t lowerViewTop;  // height / 2

    static PictureLayout ForArea(std::int64_t width, std::int64_t height);

    std::int64_t BodyRows() const { return stripHeight + kBodyOutlineRows; }
    // Within each view the stator's top row follows the slide's last row.
    std::int64_t UpperSlideTop() const { return kUpperViewTop; }
    std::int64_t UpperStatorTop() const { return kUpperViewTop + BodyRows(); }
    std::int64_t LowerSlidesTop() const { return lowerViewTop; }
    std::int64_t LowerStatorTop() const { return lowerViewTop + BodyRows(); }
    std::int64_t LastStripRow() const { return LowerStatorTop() + BodyRows() - 1; }

    // A press on these rows grabs the slide: the rows of either view's slide strips below their
    // top outline, across the whole width.
    bool InSlideBand(std::int64_t y) const;

    CursorLayout Cursor(std::int64_t cursorX) const;
    // The cursor stops where its hairline meets the first or the last mark of the stator. The
    // right bound is applied last, so it wins when the area is narrower than 80 px.
    std::int32_t ClampCursor(std::int64_t cursorX) const;

    ScalePositions Positions(std::int64_t slideX, std::int64_t cursorX) const;
};
