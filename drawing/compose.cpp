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
Readings RenderSlideRule(Canvas& canvas, const PictureLayout& layout, const SlideRuleView& view,
                         CellWriter& table) {
    WriteRowHeaders(view.mode, table);
    DrawPicture(canvas, layout, view);
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
    Canvas canvas(target, *shapes_, Canvas::BlankRows::White);
    canvas.RecordTextCells(textCells);
    return RenderSlideRule(canvas, layout, view, table);
}

ComposedPicture ComposePicture(int width, int height, const SlideRuleView& view, CellWriter& table,
                               std::vector<Box>* textCells) {
    ComposedPicture picture{Bitmap(width, height), {}};
    picture.readings = PictureComposer().Compose(picture.image.View(), view, table, textCells);
    return picture;
}
