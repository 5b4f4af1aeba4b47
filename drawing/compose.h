// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "drawing/bitmap.h"
#include "drawing/slide_rule_view.h"
#include "readouts/readings.h"

class CellWriter;
struct Box;

struct ComposedPicture {
    Bitmap image;
    Readings readings;  // as the table shows them, with the task line
};

// One render of the drawing area, the only way a picture is made: a fresh white image of
// width x height with the strips and the cursor of the view, and the row headers and readings of
// the view written to the table. The picture is drawn at 96 dots per inch on every screen: it has
// the drawing area's logical size. When textCells is given, it receives the cell of every text
// written.
ComposedPicture ComposePicture(int width, int height, const SlideRuleView& view, CellWriter& table,
                               std::vector<Box>* textCells = nullptr);
