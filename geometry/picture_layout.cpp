// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/picture_layout.h"

#include <algorithm>

namespace {

bool StrictlyBetween(std::int64_t low, std::int64_t value, std::int64_t high) {
    return low < value && value < high;
}

}  // namespace

PictureLayout PictureLayout::ForArea(std::int64_t width, std::int64_t height) {
    const std::int64_t stripWidth = width - 2 * kStripBodyStart;
    return {
        .width = width,
        .height = height,
        .stripWidth = stripWidth,
        .stripHeight = (height - kRowsBesideStrips) / kStripsInHeight,
        .scaleLength = stripWidth - kScaleStart,
        .lowerViewTop = height / 2,
    };
}

bool PictureLayout::InSlideBand(std::int64_t y) const {
    return StrictlyBetween(UpperSlideTop(), y, UpperSlideTop() + BodyRows()) ||
           StrictlyBetween(LowerSlidesTop(), y, LowerSlidesTop() + BodyRows());
}

CursorLayout PictureLayout::Cursor(std::int64_t cursorX) const {
    const Box outer{
        .left = cursorX + kCursorLeft,
        .top = UpperSlideTop() - kCursorOuterRowsBeyondStrips,
        .right = cursorX + kCursorLeft + kCursorWidth,
        .bottom = LastStripRow() + 1 + kCursorOuterRowsBeyondStrips,
    };
    const Box inner{
        .left = outer.left + kCursorSideBar,
        .top = UpperSlideTop() - kCursorInnerRowsBeyondStrips,
        .right = outer.right - kCursorSideBar,
        .bottom = LastStripRow() + 1 + kCursorInnerRowsBeyondStrips,
    };
    const std::int64_t seedRow = outer.top + kFrameSeedRowBelowTop;
    return {
        .outer = outer,
        .inner = inner,
        .leftSeed = {cursorX + kLeftFrameSeed, seedRow},
        .rightSeed = {cursorX + kRightFrameSeed, seedRow},
        .hairlineX = cursorX + kHairlineRightOfCursor,
        .hairlineTop = inner.top,
        .hairlineBottom = inner.bottom,
    };
}

std::int32_t PictureLayout::ClampCursor(std::int64_t cursorX) const {
    cursorX = std::max(cursorX, kScaleStart - kHairlineRightOfCursor);
    cursorX = std::min(cursorX, stripWidth - kHairlineRightOfCursor);
    return static_cast<std::int32_t>(cursorX);
}

ScalePositions PictureLayout::Positions(std::int64_t slideX, std::int64_t cursorX) const {
    return {
        .scaleLength = scaleLength,
        .slideIndex = slideX,
        .hairline = cursorX + kHairlineRightOfCursor - kScaleStart,
    };
}
