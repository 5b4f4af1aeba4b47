#include "drawing/picture.h"

#include <array>
#include <string_view>

#include "drawing/graduation.h"
#include "drawing/rounding.h"
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
constexpr int kMeasureUnits = 120;
constexpr int kEndTick = 80;
constexpr int kNameOffset = 115;

// Horizontal layout of a strip relative to its offset a.
constexpr int kBodyStart = 20;
constexpr int kNameStart = 46;
constexpr int kBodyCorner = 10;
// A stator strip counts its text offsets down from its top edge, and the cell starts 12 px higher.
constexpr int kStatorTextLift = 12;

// The strip whose top lies on this row numbers its linear scale from 10, whatever its role; at the
// window's first size that is none of them.
constexpr int kTenToTwentyRow = 392;
constexpr int kTenToTwentyStart = 10;

int StartValueOf(std::int64_t top) {
    return top == kTenToTwentyRow ? kTenToTwentyStart : 0;
}

void DrawScale(Canvas& canvas, const StripGeometry& g, const Strip& strip, ScaleMode mode) {
    const std::int64_t a = strip.offset;
    canvas.SetFont(kFontFamily, kFontPoints);
    canvas.SetPenColor(kBodyOutline);
    canvas.RoundRect(a + kBodyStart, strip.top, a + kBodyStart + g.stripWidth,
                     strip.top + g.stripHeight + 2, kBodyCorner, kBodyCorner);
    canvas.SetPenColor(kTickColor);
    StripPainter painter(canvas, g, strip);
    painter.DrawTick(kEndTick, static_cast<double>(a + kScaleStart));
    painter.DrawTick(kEndTick, static_cast<double>(a + g.stripWidth));
    canvas.SetFillStyle(FillStyle::Clear);
    painter.DrawLabel(kNameOffset, strip.orientation == Orientation::Slide ? "Skale C" : "Skale D",
                      static_cast<double>(a + kNameStart));
    DrawGraduation(painter, mode, {a, g.stripWidth, strip.startValue});
}

// A yellow frame between two blue outlines, and a dotted hairline in the clear window.
void DrawCursor(Canvas& canvas, const StripGeometry& g, std::int64_t cx) {
    const std::int64_t bottom = g.lowerViewTop + 2 * g.stripHeight;
    canvas.SetFillStyle(FillStyle::Clear);
    canvas.SetPenColor(kCursorOutline);
    canvas.Rectangle(cx - 5, 10, cx + 125, bottom + 14);
    canvas.RoundRect(cx + 6, 16, cx + 114, bottom + 8, 40, 40);
    // Both points lie in the top bar of the frame, the first also in its left bar: when one side
    // of the cursor is outside the picture, the other still fills the frame.
    canvas.SetFillColor(kCursorFrameColor);
    canvas.FloodFill(cx + 4, 12, kCursorOutline);
    canvas.FloodFill(cx + 112, 12, kCursorOutline);
    canvas.SetFillStyle(FillStyle::Clear);
    canvas.SetPenStyle(PenStyle::Dotted);
    canvas.SetPenColor(kHairlineColor);
    canvas.MoveTo(cx + 60, 16);
    canvas.LineTo(cx + 60, bottom + 8);
}

}  // namespace

// The slide above the stator; below, the stator again with the slide's copies one scale length to
// either side. A later strip covers what an earlier one drew.
std::array<Strip, 5> StripsOf(const StripGeometry& g, std::int32_t slideX) {
    const std::int64_t scaleLength = g.stripWidth - kScaleStart;
    const std::int64_t h = g.stripHeight;
    const std::array<std::int64_t, 5> tops = {20, h + 22, g.lowerViewTop, g.lowerViewTop,
                                              g.lowerViewTop + h + 2};
    return {{
        {slideX, tops[0], Orientation::Slide, kSlideFill, StartValueOf(tops[0])},
        {0, tops[1], Orientation::Stator, kStatorFill, StartValueOf(tops[1])},
        {slideX + scaleLength, tops[2], Orientation::Slide, kSlideFill, StartValueOf(tops[2])},
        {slideX - scaleLength, tops[3], Orientation::Slide, kSlideFill, StartValueOf(tops[3])},
        {0, tops[4], Orientation::Stator, kStatorFill, StartValueOf(tops[4])},
    }};
}

StripPainter::StripPainter(Canvas& canvas, const StripGeometry& geometry, const Strip& strip)
    : canvas_(canvas), strip_(strip), height_(geometry.stripHeight) {}

void StripPainter::DrawTick(int length, double x) {
    const std::int64_t t = Measure(length);
    const std::int64_t column = RoundToPixel(Extended{x});
    const std::int64_t edge = TickEdge();
    canvas_.MoveTo(column, edge);
    canvas_.LineTo(column, IsSlide() ? edge - t : edge + t);
}

void StripPainter::DrawLabel(int offset, std::string_view text, double x) {
    const std::int64_t o = Measure(offset);
    const std::int64_t row = IsSlide() ? TickEdge() - o : strip_.top + o - kStatorTextLift;
    canvas_.TextOut(RoundToPixel(Extended{x}), row, text);
}

std::int64_t StripPainter::TickEdge() const {
    return IsSlide() ? strip_.top + height_ : strip_.top;
}

std::int64_t StripPainter::Measure(int units) const {
    return RoundToPixel(Extended(height_) / kMeasureUnits * units);
}

StripGeometry StripGeometry::ForArea(int width, int height) {
    return {std::int64_t{width} - 40, (std::int64_t{height} - 60) / 4, std::int64_t{height} / 2};
}

void DrawPicture(Canvas& canvas, const SlideRuleView& view) {
    const Bitmap& image = canvas.Image();
    const StripGeometry geometry = StripGeometry::ForArea(image.Width(), image.Height());
    for (const Strip& strip : StripsOf(geometry, view.slideX)) {
        canvas.SetFillColor(strip.fill);
        DrawScale(canvas, geometry, strip, view.mode);
    }
    DrawCursor(canvas, geometry, view.cursorX);
}
