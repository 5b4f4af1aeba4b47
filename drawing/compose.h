// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "drawing/bitmap.h"
#include "drawing/slide_rule_view.h"
#include "readouts/readings.h"

class CellWriter;
class TextShapes;
struct Box;

// Renders the drawing area, the only way a picture is made. One composer serves a window for its
// life: it keeps what one render hands on to the next, the texts as Qt laid them out.
class PictureComposer {
public:
    PictureComposer();
    ~PictureComposer();
    PictureComposer(const PictureComposer&) = delete;
    PictureComposer& operator=(const PictureComposer&) = delete;

    // One render: the target, of the drawing area's size, is made all white, then the strips and
    // the cursor of the view are drawn on it, and the row headers and readings of the view are
    // written to the table. The picture is drawn at 96 dots per inch on every screen: it has the
    // drawing area's logical size. When textCells is given, it receives the cell of every text
    // written.
    Readings Compose(const Pixels& target, const SlideRuleView& view, CellWriter& table,
                     std::vector<Box>* textCells = nullptr);

    // The same render, written only within the areas: outside them the target already holds
    // this very picture, as after a move of the slide or the cursor that does not reach there.
    Readings ComposeWithin(const Pixels& target, const std::vector<Box>& areas,
                           const SlideRuleView& view, CellWriter& table);

private:
    std::unique_ptr<TextShapes> shapes_;
};

struct ComposedPicture {
    Bitmap image;
    Readings readings;  // as the table shows them, with the task line
};

// One render into a new image of width x height.
ComposedPicture ComposePicture(int width, int height, const SlideRuleView& view, CellWriter& table,
                               std::vector<Box>* textCells = nullptr);
