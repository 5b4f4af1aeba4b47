// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/bitmap.h"
#include "drawing/color.h"

struct Box;
class TextShapes;

enum class PenStyle { Solid, Dotted };
enum class FillStyle { Solid, Clear };

// A drawing surface over 32-bit pixels, with a pen, a fill and a font, for the slide-rule picture.
//
// Rules every primitive keeps:
// - A rectangle from (x1, y1) to (x2, y2) covers columns x1 .. x2 - 1 and rows y1 .. y2 - 1: the
//   right and bottom edges are excluded. Swapped corners are put in order first.
// - A line ends before its end point.
// - Coordinates may lie anywhere; what falls outside the image is clipped, and the cost of a
//   primitive follows what is visible, not its size. Coordinates beyond +-2^60 count as +-2^60.
// - The pen is always 1 pixel wide. The dotted pen sets every other pixel of a line, starting with
//   the first, and leaves the gaps as they were. Outlines of shapes are always solid.
// Shapes are rasterised here; text goes through the window system's painter onto the same pixels.
class Canvas {
public:
    // A fresh surface over a bitmap, as it is: black solid pen, white solid fill, black text,
    // "Verdana" 9 points. Font sizes in points scale by dotsPerInch / 72.
    explicit Canvas(Bitmap& image, int dotsPerInch = 96);
    // A fresh surface for composing the part of a picture within `area`, at 96 dots per inch.
    // The canvas writes only within the area, where it starts all white whatever the pixels hold:
    // a row of the area is painted white only just before anything draws or reads there, or as
    // the canvas ends, so that the rows a shape covers are written once, not twice. Outside the
    // area the pixels must hold the rest of the same picture, fills included: a flood fill finds
    // its region across the whole image, passing there through its own colour only. Texts are
    // laid out once in shapes, which outlives the canvas.
    Canvas(const Pixels& image, TextShapes& shapes, const Box& area);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void SetPenColor(Color color) { penColor_ = color; }
    void SetPenStyle(PenStyle style) { penStyle_ = style; }
    // Setting the fill colour also makes a clear fill solid.
    void SetFillColor(Color color) {
        fillColor_ = color;
        fillStyle_ = FillStyle::Solid;
    }
    void SetFillStyle(FillStyle style) { fillStyle_ = style; }
    // The family falls back to a sans-serif face when missing; the size is at least 1 pixel.
    void SetFont(std::string_view family, int points);

    // Outline by the pen: every pixel of the shape with a horizontal or vertical neighbour outside
    // it. Inside by the fill unless the fill is clear.
    void Rectangle(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);
    // The same, with corners formed by the quarters of an ellipse of cornerWidth x cornerHeight,
    // each limited to the rectangle's own size. The outline is closed: no flood fill crosses it.
    void RoundRect(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                   std::int64_t cornerWidth, std::int64_t cornerHeight);

    void MoveTo(std::int64_t x, std::int64_t y);
    // Draws from the current position up to, not including, (x, y), which becomes the current
    // position.
    void LineTo(std::int64_t x, std::int64_t y);

    // Sets to the fill colour every pixel connected to (x, y) through horizontal and vertical
    // neighbours that does not have the border colour. A start outside the image or on the border
    // colour fills nothing, and so does a clear fill.
    void FloodFill(std::int64_t x, std::int64_t y, Color border);

    // Writes Windows-1252 text with the top-left corner of its cell (the font's full line height)
    // at (x, y). A solid fill first paints the cell; a clear fill leaves everything between the
    // glyphs as it was.
    void TextOut(std::int64_t x, std::int64_t y, std::string_view text);

    // From now on every text written adds the pixels it may touch to cells; none stops that.
    void RecordTextCells(std::vector<Box>* cells) { textCells_ = cells; }

private:
    class TextPainter;
    class SpanFill;

    Canvas(const Pixels& whole, TextShapes& shapes, const Pixels& area, std::int64_t areaLeft,
           std::int64_t areaTop, int dotsPerInch);

    bool FillsInside() const { return fillStyle_ == FillStyle::Solid; }
    // Coordinates of the whole image, tamed, as the area counts them.
    std::int64_t AreaX(std::int64_t x) const;
    std::int64_t AreaY(std::int64_t y) const;
    // Paints white every blank row of the area from first to last.
    void PaintBlankRows(std::int64_t first, std::int64_t last);
    int FontPixelSize() const;

    Pixels whole_;
    Pixels image_;  // the area the canvas writes: all of whole_ unless said otherwise
    std::int64_t areaLeft_;
    std::int64_t areaTop_;
    std::unique_ptr<TextShapes> ownShapes_;  // where no shapes are given
    TextShapes& shapes_;
    int dotsPerInch_;
    Color penColor_ = kBlack;
    PenStyle penStyle_ = PenStyle::Solid;
    Color fillColor_ = kWhite;
    FillStyle fillStyle_ = FillStyle::Solid;
    Color textColor_ = kBlack;
    std::string fontFamily_ = "Verdana";
    int fontPoints_ = 9;
    std::int64_t penX_ = 0;
    std::int64_t penY_ = 0;
    std::unique_ptr<TextPainter> textPainter_;  // made at the first text, ended with the canvas
    std::vector<Box>* textCells_ = nullptr;
    std::vector<std::uint8_t> blankRows_;  // 1 for an area row that is white but not yet painted
    // The last flood fill, while nothing else has been drawn since.
    std::unique_ptr<SpanFill> lastFill_;
};
