// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "drawing/color.h"
#include "drawing/graduation.h"
#include "drawing/slide_rule_view.h"
#include "readouts/scale_mode.h"

class Canvas;
struct Box;
struct PictureLayout;

// Slide strips carry their marks on their lower edge, stator strips on their upper edge.
enum class Orientation { Slide, Stator };

struct Strip {
    std::int64_t offset;  // a: the body spans a + 20 .. a + W + 19, the scale a + 40 .. a + W
    std::int64_t top;     // y: the body spans rows y .. y + h + 1
    Orientation orientation;
    Color fill;
    int startValue;  // the number at the left end of a linear scale
};

// The five strips in drawing order.
std::array<Strip, 5> StripsOf(const PictureLayout& layout, std::int32_t slideX);

// Draws the marks of one strip: ticks grow from its tick edge by lengths in 120ths of the strip
// height, and texts stand at offsets in the same unit, counted from the same edge.
class StripPainter final : public ScaleMarks {
public:
    StripPainter(Canvas& canvas, std::int64_t stripHeight, const Strip& strip);

    void DrawTick(int length, double x) override;
    void DrawLabel(int offset, std::string_view text, double x) override;

private:
    bool IsSlide() const { return strip_.orientation == Orientation::Slide; }
    // The row just above the bottom outline on a slide strip, the top outline on a stator strip.
    std::int64_t TickEdge() const;
    // h / 120 first, then the product, and only that is rounded.
    std::int64_t Measure(int units);

    static constexpr int kMeasureUnits = 120;

    Canvas& canvas_;
    const Strip& strip_;
    std::int64_t height_;
    std::array<std::int64_t, kMeasureUnits + 1> measures_{};
    std::bitset<kMeasureUnits + 1> measured_;
};

// The cursor is recognised under the pointer by the colour of its frame.
constexpr Color kCursorFrameColor = Rgb(255, 255, 64);

// Draws the five strips with their graduations and the cursor over them, onto a fresh canvas of
// the drawing area's size.
void DrawPicture(Canvas& canvas, const PictureLayout& layout, const SlideRuleView& view);

// Where the picture of `after` can differ from the picture of `before` on the same layout: a move
// of the slide alone changes only the rows of the slide strips, a move of the cursor alone only
// the box around its old and new places, and no move nothing. Nothing is said (the whole picture
// may differ) for any other change, and where the strips are too low to hold their marks within
// their rows.
std::optional<std::vector<Box>> ChangedArea(const PictureLayout& layout,
                                            const SlideRuleView& before,
                                            const SlideRuleView& after);
