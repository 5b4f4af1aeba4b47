// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/compose.h"

#include "drawing/canvas.h"
#include "drawing/picture.h"
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

ComposedPicture ComposePicture(int width, int height, const SlideRuleView& view, CellWriter& table,
                               std::vector<Box>* textCells) {
    const PictureLayout layout = PictureLayout::ForArea(width, height);
    ComposedPicture picture{Bitmap(width, height), {}};
    // The canvas paints text through a painter on the image's pixels; it lets go of them at the
    // end of this block, before the image may move.
    {
        Canvas canvas(picture.image);
        canvas.RecordTextCells(textCells);
        picture.readings = RenderSlideRule(canvas, layout, view, table);
    }
    return picture;
}
