// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Text goes through Qt's painter onto the canvas's own pixels: these tests need an application.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "drawing/bitmap.h"
#include "drawing/canvas.h"
#include "drawing/color.h"
#include "drawing/text_shapes.h"
#include "geometry/box.h"
#include "readouts/windows1252.h"
#include "tests/count_pixels.h"

namespace {

constexpr Color kPen = Rgb(128, 0, 0);
constexpr Color kFill = Rgb(255, 255, 64);
constexpr Color kBorder = Rgb(0, 0, 255);

constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

// ---- Text: the cell, not the glyphs ----

// The box around every pixel that differs from white; empty when none does.
struct Extent {
    int left = std::numeric_limits<int>::max();
    int top = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();  // inclusive
    int bottom = std::numeric_limits<int>::min();

    bool Empty() const { return left > right; }
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

Extent ChangedPixels(const Bitmap& image) {
    Extent box;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (image.Pixel(x, y) != kWhite) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

constexpr int kTextImageWidth = 200;
constexpr int kTextImageHeight = 60;
constexpr std::int64_t kTextX = 17;
constexpr std::int64_t kTextY = 9;
constexpr const char* kLabel = "Skale C";

// The cell a text takes: what a solid fill paints.
Extent CellOf(const char* text, int dotsPerInch = 96, int points = 9) {
    Bitmap image(kTextImageWidth, kTextImageHeight);
    Canvas canvas(image, dotsPerInch);
    canvas.SetFont("Verdana", points);
    canvas.SetFillColor(kFill);
    canvas.TextOut(kTextX, kTextY, text);
    return ChangedPixels(image);
}

TEST(CanvasText, SolidFillPaintsTheCellFromItsTopLeftCorner) {
    Bitmap image(kTextImageWidth, kTextImageHeight);
    Canvas canvas(image);
    canvas.SetFillColor(kFill);
    canvas.TextOut(kTextX, kTextY, kLabel);
    const Extent cell = ChangedPixels(image);
    ASSERT_FALSE(cell.Empty());
    EXPECT_EQ(cell.left, kTextX);
    EXPECT_EQ(cell.top, kTextY);
    EXPECT_GE(cell.Height(), 12);  // the character height of 9 points at 96 dots per inch
    EXPECT_GT(cell.Width(), cell.Height());
    EXPECT_EQ(image.Pixel(cell.left, cell.top), kFill);
    EXPECT_EQ(image.Pixel(cell.right, cell.top), kFill);
    EXPECT_EQ(image.Pixel(cell.left, cell.bottom), kFill);
    EXPECT_EQ(image.Pixel(cell.right, cell.bottom), kFill);
}

TEST(CanvasText, ClearFillChangesOnlyPixelsInsideTheCell) {
    const Extent cell = CellOf(kLabel);
    Bitmap image(kTextImageWidth, kTextImageHeight);
    Canvas canvas(image);
    canvas.SetFillStyle(FillStyle::Clear);
    canvas.TextOut(kTextX, kTextY, kLabel);
    const Extent ink = ChangedPixels(image);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.left, cell.left);
    EXPECT_GE(ink.top, cell.top);
    EXPECT_LE(ink.right, cell.right);
    EXPECT_LE(ink.bottom, cell.bottom);
    EXPECT_EQ(CountPixels(image, kFill), 0);
}

// A tick under a text with a clear fill shows between the glyphs; the top row of the cell is
// internal leading and holds no glyph.
TEST(CanvasText, ClearFillKeepsWhatLiesBetweenTheGlyphs) {
    const Extent cell = CellOf(kLabel);
    for (const FillStyle style : {FillStyle::Clear, FillStyle::Solid}) {
        Bitmap image(kTextImageWidth, kTextImageHeight);
        Canvas canvas(image);
        canvas.SetPenColor(kPen);
        canvas.MoveTo(0, cell.top);
        canvas.LineTo(kTextImageWidth, cell.top);
        canvas.SetFillColor(kFill);
        canvas.SetFillStyle(style);
        canvas.TextOut(kTextX, kTextY, kLabel);
        const Color expectedInCell = style == FillStyle::Clear ? kPen : kFill;
        for (int x = 0; x < kTextImageWidth; ++x) {
            const bool inCell = x >= cell.left && x <= cell.right;
            ASSERT_EQ(image.Pixel(x, cell.top), inCell ? expectedInCell : kPen) << x;
        }
    }
}

TEST(CanvasText, PointsScaleWithTheResolution) {
    const Extent normal = CellOf(kLabel, 96, 9);
    EXPECT_EQ(CellOf(kLabel, 48, 18).Height(), normal.Height());
    EXPECT_EQ(CellOf(kLabel, 72, 12).Height(), normal.Height());
    EXPECT_GT(CellOf(kLabel, 192, 9).Height(), normal.Height());
    EXPECT_GT(CellOf(kLabel, 96, 14).Height(), normal.Height());
}

// "ä" is the byte E4 in Windows-1252; read as UTF-8 it would be a replacement character, not
// as wide as an "a".
TEST(CanvasText, ReadsWindows1252) {
    EXPECT_EQ(CellOf("\xE4").Width(), CellOf("a").Width());
}

// Texts are laid out once and kept; a kept layout, used again, writes exactly what Qt writes for
// the text laid out anew.
TEST(CanvasText, KeptLayoutsWriteWhatQtWritesForTheText) {
    const char* const texts[] = {kLabel, "1,43", "10", "\xE4", "2 \xB7 3 = 6", "-0,5", "Skale D"};
    TextShapes shapes;
    const QFont font = shapes.FaceOf("Verdana", 12).font;  // 9 points at 96 dots per inch
    for (const char* text : texts) {
        QImage laidOutAnew(kTextImageWidth, kTextImageHeight, QImage::Format_RGB32);
        laidOutAnew.fill(Qt::white);
        QPainter painter(&laidOutAnew);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(kTextX, kTextY + QFontMetrics(font).ascent()),
                         QString::fromUtf8(Windows1252ToUtf8(text)));
        painter.end();
        for (int use = 1; use <= 2; ++use) {
            Bitmap image(kTextImageWidth, kTextImageHeight);
            {
                Canvas canvas(image.View(), shapes, Box{0, 0, kTextImageWidth, kTextImageHeight});
                canvas.SetFont("Verdana", 9);
                canvas.SetFillStyle(FillStyle::Clear);
                canvas.TextOut(kTextX, kTextY, text);
            }
            int differing = 0;
            for (int y = 0; y < kTextImageHeight; ++y) {
                for (int x = 0; x < kTextImageWidth; ++x) {
                    differing += image.Pixel(x, y) != laidOutAnew.pixel(x, y) ? 1 : 0;
                }
            }
            EXPECT_EQ(differing, 0) << text << ", use " << use;
        }
    }
}

TEST(CanvasText, CutAtTheImageEdges) {
    const Extent cell = CellOf(kLabel);
    const int shift = cell.Width() / 2;
    Bitmap image(kTextImageWidth, kTextImageHeight);
    Canvas canvas(image);
    canvas.SetFillColor(kFill);
    canvas.TextOut(-shift, -3, kLabel);
    const Extent visible = ChangedPixels(image);
    EXPECT_EQ(visible.left, 0);
    EXPECT_EQ(visible.top, 0);
    EXPECT_EQ(visible.Width(), cell.Width() - shift);
    EXPECT_EQ(visible.Height(), cell.Height() - 3);
}

TEST(CanvasText, OffTheImageChangesNothing) {
    const Extent cell = CellOf(kLabel);
    const std::pair<std::int64_t, std::int64_t> places[] = {
        {-cell.Width(), kTextY},    {kTextImageWidth, kTextY}, {kTextX, -cell.Height()},
        {kTextX, kTextImageHeight}, {-3000000000, kTextY},     {kTextX, 3000000000},
        {kInt64Min, kInt64Min},     {kInt64Max, kInt64Max},    {kInt64Min, kTextY},
        {kTextX, kInt64Max},
    };
    Bitmap image(kTextImageWidth, kTextImageHeight);
    Canvas canvas(image);
    canvas.SetFillColor(kFill);
    for (const auto& [x, y] : places) {
        canvas.TextOut(x, y, kLabel);
        EXPECT_TRUE(ChangedPixels(image).Empty()) << x << ", " << y;
    }
    canvas.TextOut(kTextX, kTextY, "");
    EXPECT_TRUE(ChangedPixels(image).Empty());
}

// ---- The smallest images ----

// Collects what Qt complains about while it lives.
class QtWarnings {
public:
    QtWarnings() { previous_ = qInstallMessageHandler(&QtWarnings::Collect); }
    ~QtWarnings() { qInstallMessageHandler(previous_); }
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;

    static std::string& Text() {
        static std::string text;
        return text;
    }

private:
    static void Collect(QtMsgType, const QMessageLogContext&, const QString& message) {
        Text() += message.toStdString() + '\n';
    }

    QtMessageHandler previous_;
};

TEST(CanvasTinyImageText, EmptyImagesTakeEveryPrimitive) {
    const QtWarnings warnings;
    QtWarnings::Text().clear();
    const std::pair<int, int> sizes[] = {{0, 0}, {5, 0}, {0, 5}};
    for (const auto& [width, height] : sizes) {
        Bitmap image(width, height);
        Canvas canvas(image);
        canvas.SetFillColor(kFill);
        canvas.Rectangle(-5, -5, 5, 5);
        canvas.RoundRect(-5, -5, 5, 5, 10, 10);
        canvas.MoveTo(-5, -5);
        canvas.LineTo(5, 5);
        canvas.LineTo(2, -5);
        canvas.LineTo(2, 5);
        canvas.LineTo(-5, 2);
        canvas.SetPenStyle(PenStyle::Dotted);
        canvas.LineTo(2, 2);
        canvas.LineTo(2, -5);
        canvas.FloodFill(0, 0, kBorder);
        canvas.TextOut(0, 0, kLabel);
        canvas.TextOut(-3, -3, kLabel);
        EXPECT_EQ(image.Width(), width);
        EXPECT_EQ(image.Height(), height);
    }
    EXPECT_EQ(QtWarnings::Text(), "");
}

TEST(CanvasTinyImageText, OnePixelText) {
    Bitmap image(1, 1);
    Canvas canvas(image);
    canvas.SetFillColor(kFill);
    canvas.TextOut(0, 0, kLabel);
    EXPECT_EQ(image.Pixel(0, 0), kFill);  // the cell's top-left corner, above any glyph
}

}  // namespace
