#pragma once

#include <string>
#include <vector>

#include "drawing/bitmap.h"
#include "drawing/slide_rule_view.h"

class CellWriter;
struct Box;

struct ComposedPicture {
    Bitmap image;
    std::string taskLine;  // Windows-1252
};

// One render of the drawing area, the only way a picture is made: a fresh white image of
// width x height with the strips and the cursor of the view, and the row headers and readings of
// the view written to the table. The task line comes back with the picture. Text sizes follow
// dotsPerInch. When textCells is given, it receives the cell of every text written.
ComposedPicture ComposePicture(int width, int height, const SlideRuleView& view, CellWriter& table,
                               int dotsPerInch = 96, std::vector<Box>* textCells = nullptr);
