#pragma once

#include <string>

#include "drawing/canvas.h"
#include "drawing/picture.h"
#include "readouts/readout_table.h"

// One render of the window's drawing area: the row headers of the table, the picture, then the
// readings. Returns the task line. The canvas is a fresh image of the drawing area's size.
std::string RenderSlideRule(Canvas& canvas, const SlideRuleView& view, CellWriter& table);
