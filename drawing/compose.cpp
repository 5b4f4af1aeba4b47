// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/compose.h"

#include "drawing/canvas.h"
#include "drawing/picture.h"
#include "drawing/text_shapes.h"
#include "geometry/picture_layout.h"
#include "readouts/readings.h"
#include "readouts/readout_table.h"

namespace {

// The row headers first, before anything is drawn; the readings last, after the hairline.
template <typename Draw>
Readings RenderSlideRule(const PictureLayout& layout, const SlideRuleView& view, CellWriter& table,
                         Draw draw) {
    WriteRowHeaders(view.mode, table);
    draw();
    Readings readings = ComputeReadings(view.mode, layout.Positions(view.slideX, view.cursorX));
    WriteReadings(readings, table);
    return readings;
}

}  // namespace

PictureComposer::PictureComposer() : shapes_(std::make_unique<TextShapes>()) {}

PictureComposer::~PictureComposer() = default;

Readings PictureComposer::Compose(const Pixels& target, const SlideRuleView& view,
                                  CellWriter& table, std::vector<Box>* textCells) {
    const PictureLayout layout = PictureLayout::ForArea(target.Width(), target.Height());
    return RenderSlideRule(layout, view, table, [&] {
        Canvas canvas(target, *shapes_, Box{0, 0, target.Width(), target.Height()});
        canvas.RecordTextCells(textCells);
        DrawPicture(canvas, layout, view);
    });
}

Readings PictureComposer::ComposeWithin(const Pixels& target, const std::vector<Box>& areas,
                                        const SlideRuleView& view, CellWriter& table) {
    const PictureLayout layout = PictureLayout::ForArea(target.Width(), target.Height());
    return RenderSlideRule(layout, view, table, [&] {
        for (const Box& area : areas) {
            Canvas canvas(target, *shapes_, area);
            DrawPicture(canvas, layout, view);
        }
    });
}

ComposedPicture ComposePicture(int width, int height, const SlideRuleView& view, CellWriter& table,
                               std::vector<Box>* textCells) {
    ComposedPicture picture{Bitmap(width, height), {}};
    picture.readings = PictureComposer().Compose(picture.image.View(), view, table, textCells);
    return picture;
}
