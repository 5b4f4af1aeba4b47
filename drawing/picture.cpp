// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/picture.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "drawing/canvas.h"
#include "drawing/graduation.h"
#include "drawing/rounding.h"
#include "geometry/picture_layout.h"
#include "readouts/extended_precision.h"

namespace {

constexpr Color kSlideFill = Rgb(255, 255, 192);
constexpr Color kStatorFill = Rgb(192, 255, 255);
constexpr Color kBodyOutline = Rgb(128, 128, 128);
constexpr Color kTickColor = Rgb(128, 0, 0);
constexpr Color kCursorOutline = Rgb(0, 0, 255);
constexpr Color kHairlineColor = Rgb(128, 128, 128);

constexpr std::string_view kFontFamily = "Verdana";
constexpr int kFontPoints = 9;

// Vertical measures on a strip are in 120ths of the strip height.
constexpr int kEndTick = 80;
constexpr int kNameOffset = 115;

// The name stands 46 px right of the strip's offset a, just right of the left end tick.
constexpr int kNameStart = 46;
// A stator strip counts its text offsets down from its top edge, and the cell starts 12 px higher.
constexpr int kStatorTextLift = 12;

// From this strip height on, every mark of a slide strip, its numbers included, stays within the
// strip's rows: the lowest number's cell starts 36 / 120 of the height (24 px) above the lower
// edge, room for a text cell up to 22 px high and a pixel of smoothing below it.
constexpr std::int64_t kStripHeightHoldingTheMarks = 80;

// The strip whose top lies on this row numbers its linear scale from 10, whatever its role; at the
// window's first size that is none of them.
constexpr int kTenToTwentyRow = 392;
constexpr int kTenToTwentyStart = 10;

int StartValueOf(std::int64_t top) {
    return top == kTenToTwentyRow ? kTenToTwentyStart : 0;
}

void DrawScale(Canvas& canvas, const PictureLayout& layout, const Strip& strip, ScaleMode mode) {
    const std::int64_t a = strip.offset;
    canvas.SetFont(kFontFamily, kFontPoints);
    canvas.SetPenColor(kBodyOutline);
    canvas.RoundRect(a + kStripBodyStart, strip.top, a + kStripBodyStart + layout.stripWidth,
                     strip.top + layout.BodyRows(), kStripBodyCorner, kStripBodyCorner);
    canvas.SetPenColor(kTickColor);
    StripPainter painter(canvas, layout.stripHeight, strip);
    painter.DrawTick(kEndTick, static_cast<double>(a + kScaleStart));
    painter.DrawTick(kEndTick, static_cast<double>(a + layout.stripWidth));
    canvas.SetFillStyle(FillStyle::Clear);
    painter.DrawLabel(kNameOffset, strip.orientation == Orientation::Slide ? "Skale C" : "Skale D",
                      static_cast<double>(a + kNameStart));
    DrawGraduation(painter, mode, layout, {a, strip.startValue});
}

// A yellow frame between two blue outlines, and a dotted hairline in the clear window.
void DrawCursor(Canvas& canvas, const CursorLayout& cursor) {
    canvas.SetFillStyle(FillStyle::Clear);
    canvas.SetPenColor(kCursorOutline);
    canvas.Rectangle(cursor.outer.left, cursor.outer.top, cursor.outer.right, cursor.outer.bottom);
    canvas.RoundRect(cursor.inner.left, cursor.inner.top, cursor.inner.right, cursor.inner.bottom,
                     kCursorWindowCorner, kCursorWindowCorner);
    canvas.SetFillColor(kCursorFrameColor);
    canvas.FloodFill(cursor.leftSeed.x, cursor.leftSeed.y, kCursorOutline);
    canvas.FloodFill(cursor.rightSeed.x, cursor.rightSeed.y, kCursorOutline);
    canvas.SetFillStyle(FillStyle::Clear);
    canvas.SetPenStyle(PenStyle::Dotted);
    canvas.SetPenColor(kHairlineColor);
    canvas.MoveTo(cursor.hairlineX, cursor.hairlineTop);
    canvas.LineTo(cursor.hairlineX, cursor.hairlineBottom);
}

}  // namespace

// The slide above the stator; below, the stator again with the slide's copies one scale length to
// either side. A later strip covers what an earlier one drew.
std::array<Strip, 5> StripsOf(const PictureLayout& layout, std::int32_t slideX) {
    const std::int64_t length = layout.scaleLength;
    const auto strip = [](std::int64_t offset, std::int64_t top, Orientation orientation) {
        const Color fill = orientation == Orientation::Slide ? kSlideFill : kStatorFill;
        return Strip{offset, top, orientation, fill, StartValueOf(top)};
    };
    return {{
        strip(slideX, layout.UpperSlideTop(), Orientation::Slide),
        strip(0, layout.UpperStatorTop(), Orientation::Stator),
        strip(slideX + length, layout.LowerSlidesTop(), Orientation::Slide),
        strip(slideX - length, layout.LowerSlidesTop(), Orientation::Slide),
        strip(0, layout.LowerStatorTop(), Orientation::Stator),
    }};
}

StripPainter::StripPainter(Canvas& canvas, std::int64_t stripHeight, const Strip& strip)
    : canvas_(canvas), strip_(strip), height_(stripHeight) {}

void StripPainter::DrawTick(int length, double x) {
    const std::int64_t t = Measure(length);
    const std::int64_t column = RoundToPixel(x);
    const std::int64_t edge = TickEdge();
    canvas_.MoveTo(column, edge);
    canvas_.LineTo(column, IsSlide() ? edge - t : edge + t);
}

void StripPainter::DrawLabel(int offset, std::string_view text, double x) {
    const std::int64_t o = Measure(offset);
    const std::int64_t row = IsSlide() ? TickEdge() - o : strip_.top + o - kStatorTextLift;
    canvas_.TextOut(RoundToPixel(x), row, text);
}

std::int64_t StripPainter::TickEdge() const {
    return IsSlide() ? strip_.top + height_ : strip_.top;
}

// A strip uses a handful of measures for hundreds of marks, so each is worked out once.
std::int64_t StripPainter::Measure(int units) {
    const bool kept = units >= 0 && units <= kMeasureUnits;
    const auto index = static_cast<std::size_t>(kept ? units : 0);
    if (kept && measured_[index]) {
        return measures_[index];
    }
    const std::int64_t measure = RoundToPixel(Extended(height_) / kMeasureUnits * units);
    if (kept) {
        measures_[index] = measure;
        measured_[index] = true;
    }
    return measure;
}

// The slide strips are drawn before the stators and the cursor, which do not depend on the slide;
// the cursor is drawn last, whole within its outer box while the strips are that tall. Where the
// slide moves, the cursor's frame reaches beyond the slide's rows, where it is already filled.
std::optional<std::vector<Box>> ChangedArea(const PictureLayout& layout,
                                            const SlideRuleView& before,
                                            const SlideRuleView& after) {
    const bool slideMoved = before.slideX != after.slideX;
    const bool cursorMoved = before.cursorX != after.cursorX;
    if (before.mode != after.mode || (slideMoved && cursorMoved) ||
        layout.stripHeight < kStripHeightHoldingTheMarks) {
        return std::nullopt;
    }
    if (!slideMoved && !cursorMoved) {
        return std::vector<Box>{};
    }
    if (slideMoved) {
        const auto band = [&layout](std::int64_t top) {
            return Box{0, top, layout.width, top + layout.BodyRows()};
        };
        return std::vector<Box>{band(layout.UpperSlideTop()), band(layout.LowerSlidesTop())};
    }
    // One box over both places, so that the frame's fill never leaves the box it is drawn in.
    const Box from = layout.Cursor(before.cursorX).outer;
    const Box to = layout.Cursor(after.cursorX).outer;
    return std::vector<Box>{{std::min(from.left, to.left), std::min(from.top, to.top),
                             std::max(from.right, to.right), std::max(from.bottom, to.bottom)}};
}

void DrawPicture(Canvas& canvas, const PictureLayout& layout, const SlideRuleView& view) {
    for (const Strip& strip : StripsOf(layout, view.slideX)) {
        canvas.SetFillColor(strip.fill);
        DrawScale(canvas, layout, strip, view.mode);
    }
    DrawCursor(canvas, layout.Cursor(view.cursorX));
}
