// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>
#include <cstdint>
#include <utility>

#include "app/paint_box.h"
#include "app/radio_group.h"
#include "app/string_grid.h"
#include "drawing/compose.h"
#include "drawing/picture.h"
#include "geometry/picture_layout.h"
#include "readouts/readings.h"
#include "readouts/readout_table.h"
#include "readouts/windows1252.h"
#include "tests/paint_counter.h"

namespace {

QString Latin(const char* windows1252) {
    return QString::fromLatin1(windows1252);
}

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        QApplication::processEvents();
    }

    TForm1 form;
};

TEST_F(Form1Test, ControlTreeAtTheFirstSize) {
    EXPECT_EQ(form.windowTitle(), "Tessalin");
    EXPECT_EQ(form.size(), QSize(1164, 684));
    EXPECT_EQ(form.BasePanel->geometry(), QRect(0, 0, 1164, 684));
    EXPECT_EQ(form.PB1->geometry(), QRect(0, 0, 1164, 539));
    EXPECT_EQ(form.Panel3->geometry(), QRect(0, 539, 1164, 145));
    EXPECT_EQ(form.Panel3->palette().color(QPalette::Window), QColor(240, 240, 240));
    EXPECT_EQ(form.BasePanel->palette().color(QPalette::Window), QColor(255, 255, 255));

    EXPECT_EQ(form.SG1->geometry(), QRect(344, 24, 369, 97));
    EXPECT_EQ(form.SG1->columnCount(), 3);
    EXPECT_EQ(form.SG1->rowCount(), 4);
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(form.SG1->columnWidth(column), 120);
    }
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(form.SG1->rowHeight(row), 20);
    }
    EXPECT_FALSE(form.SG1->horizontalHeader()->isVisible());
    EXPECT_FALSE(form.SG1->verticalHeader()->isVisible());
    EXPECT_EQ(form.SG1->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(form.SG1->selectionMode(), QAbstractItemView::ContiguousSelection);
    EXPECT_EQ(form.SG1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(form.SG1->currentRow(), 0);
    EXPECT_EQ(form.SG1->currentColumn(), 0);

    EXPECT_EQ(form.RG1->geometry(), QRect(16, 16, 225, 41));
    EXPECT_EQ(form.RG1->title(), "Skalenart");
    EXPECT_EQ(form.RG1->ItemIndex(), 1);

    EXPECT_EQ(form.Label3->pos(), QPoint(16, 64));
    EXPECT_EQ(form.Label3->text(), Latin("Linker Mausklick auf die jeweils obere Skale\n"
                                         "und Bewegung der Maus verschiebt den Stabteil.\n"
                                         "Der L\xE4ufer wird durch Klicken auf den gelben\n"
                                         "Rahmen verschoben."));
    EXPECT_EQ(form.Label1->pos(), QPoint(736, 24));
    EXPECT_EQ(form.Label1->text(), "Aufgabe");
    EXPECT_EQ(form.Label1->font().pixelSize(), 16);
    EXPECT_EQ(form.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(form.Label2->pos(), QPoint(752, 56));
    EXPECT_EQ(form.Label2->font().pixelSize(), 16);
    EXPECT_TRUE(form.Label2->font().bold());
    EXPECT_EQ(form.font().pixelSize(), 12);
}

TEST_F(Form1Test, StartsInTheActivatedState) {
    EXPECT_EQ(form.SlideX, 0);
    EXPECT_EQ(form.CursorX, 150);
    EXPECT_FALSE(form.DraggingSlide);
    EXPECT_FALSE(form.DraggingCursor);
    EXPECT_EQ(form.SG1->CellText(1, 0), "obere Skale");
    EXPECT_EQ(form.SG1->CellText(2, 0), "untere Skale");
    EXPECT_EQ(form.SG1->CellText(0, 3), Latin("L\xE4ufer"));
    EXPECT_EQ(form.SG1->CellText(0, 0), "");
    EXPECT_EQ(form.focusWidget(), form.SG1);
}

TEST_F(Form1Test, ResizingKeepsThePanelAtTheBottom) {
    form.resize(1400, 800);
    QApplication::processEvents();
    EXPECT_EQ(form.PB1->geometry(), QRect(0, 0, 1400, 655));
    EXPECT_EQ(form.Panel3->geometry(), QRect(0, 655, 1400, 145));
    EXPECT_EQ(form.SG1->geometry(), QRect(344, 24, 369, 97));
    EXPECT_EQ(form.PB1->ShownColor(1399, 0), kWhite);  // painted anew at the new size
}

TEST_F(Form1Test, DoubleClickTogglesThePanelAndResizesAtOnce) {
    form.PB1DblClick();
    EXPECT_FALSE(form.Panel3->isVisible());
    EXPECT_EQ(form.PB1->geometry(), QRect(0, 0, 1164, 684));
    form.resize(1300, 700);
    QApplication::processEvents();
    EXPECT_EQ(form.PB1->geometry(), QRect(0, 0, 1300, 700));
    form.PB1DblClick();
    EXPECT_TRUE(form.Panel3->isVisible());
    EXPECT_EQ(form.PB1->geometry(), QRect(0, 0, 1300, 555));
}

// A call from code renders once and has the picture on the screen before it returns.
TEST_F(Form1Test, PaintFromCodeShowsAtOnceAndRendersOnce) {
    PaintCounter counter;
    form.PB1->installEventFilter(&counter);
    const std::uint64_t compositions = form.PB1->Compositions();
    form.CursorX = 400;
    form.PB1Paint();
    EXPECT_EQ(form.PB1->ShownColor(400, 12), kCursorFrameColor);
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(form.PB1->Compositions(), compositions + 1);
}

TEST_F(Form1Test, ChoosingLinearRepaintsAtOnce) {
    const int unitFive = 582;  // the upper slide's 5, a mark of the linear scale only
    EXPECT_EQ(form.PB1->ShownColor(unitFive, 61), Rgb(255, 255, 192));
    form.RG1->findChildren<QAbstractButton*>().at(0)->click();
    EXPECT_EQ(form.PB1->ShownColor(unitFive, 61), Rgb(128, 0, 0));
    EXPECT_EQ(form.RG1->ItemIndex(), 0);
    EXPECT_EQ(form.SG1->CellText(0, 1), "obere Null");
    EXPECT_EQ(form.SG1->CellText(0, 2), "untere Null");
    EXPECT_EQ(form.Label2->text(), "0+1,57 = 1,57");
}

// With the slide about fifteen scale lengths away a reading has 15 integer digits, wider than a
// cell: it runs from the cell's left edge to its border and is cut there, never wrapped or cut
// short with an ellipsis, and the tool tip shows all of it.
TEST_F(Form1Test, LongReadingsAreCutAtTheCellBorderAndShownWhole) {
    form.SlideX = 16000;
    form.PB1Paint();
    const QString reading = form.SG1->CellText(2, 1);
    ASSERT_GT(QFontMetrics(form.SG1->font()).horizontalAdvance(reading), 120)
        << reading.toStdString();
    EXPECT_FALSE(form.SG1->wordWrap());
    EXPECT_EQ(form.SG1->textElideMode(), Qt::ElideNone);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QTableWidgetItem* cell = form.SG1->item(row, column);
            EXPECT_EQ(cell->toolTip(), cell->text()) << column << ", " << row;
        }
    }
}

// A window exactly as tall as the panel leaves the drawing area no height, and Qt sends it no
// paint event; the readings still follow its new width.
TEST_F(Form1Test, ReadingsFollowADrawingAreaWithoutHeight) {
    form.resize(500, 145);
    QApplication::processEvents();
    ASSERT_EQ(form.PB1->size(), QSize(500, 0));
    const Readings expected =
        ComputeReadings(ScaleMode::Logarithmic, PictureLayout::ForArea(500, 0).Positions(0, 150));
    EXPECT_EQ(form.SG1->CellText(2, 3), QString::fromStdString(expected.lowerUnderHairline));
    EXPECT_EQ(form.SG1->CellText(2, 3), "2,54");  // 1,43 at the first width
    EXPECT_EQ(form.Label2->text(), QString::fromStdString(Windows1252ToUtf8(expected.taskLine)));
}

// Shown for the first time that small, the area has its readings from the start setting.
TEST(Form1FirstShow, WithoutHeightTheReadingsFollowTheStartSetting) {
    TForm1 small;
    small.resize(500, 145);
    small.show();
    QApplication::processEvents();
    ASSERT_EQ(small.PB1->size(), QSize(500, 0));
    EXPECT_EQ(small.SG1->CellText(2, 3), "2,54");
    EXPECT_EQ(small.SG1->CellText(1, 3), "2,54");
}

// How many pixels of the drawing area on the screen differ from the picture of the setting.
int ScreenMismatches(TForm1& form, const SlideRuleView& view) {
    const QImage screen =
        form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    ReadoutTable table;
    const Bitmap picture = ComposePicture(1164, 539, view, table).image;
    if (screen.width() < 1164 || screen.height() < 539) {
        return -1;
    }
    int mismatches = 0;
    for (int y = 0; y < 539; ++y) {
        for (int x = 0; x < 1164; ++x) {
            mismatches += screen.pixel(x, y) != picture.Pixel(x, y) ? 1 : 0;
        }
    }
    return mismatches;
}

// The window composes its picture in place, in its own backing store; the screen then shows
// exactly the picture that tessalin-snapshot writes, text included.
TEST_F(Form1Test, ScreenShowsThePictureComposedForTheSetting) {
    form.SlideX = 301;
    form.CursorX = 758;
    form.PB1Paint();
    EXPECT_EQ(ScreenMismatches(form, {ScaleMode::Logarithmic, 301, 758}), 0);
}

// A move of the slide or the cursor alone is composed and shown only where the picture changes;
// after each the screen shows the whole picture of the new setting.
TEST_F(Form1Test, ScreenFollowsMovesComposedWhereThePictureChanges) {
    const std::pair<std::int32_t, std::int32_t> settings[] = {
        {1, 150}, {1, 151}, {-400, 151}, {-400, 151}, {1626, 151}, {1626, 900}, {1626, 40},
    };
    for (const auto& [slideX, cursorX] : settings) {
        form.SlideX = slideX;
        form.CursorX = cursorX;
        form.PB1Paint();
        EXPECT_EQ(ScreenMismatches(form, {ScaleMode::Logarithmic, slideX, cursorX}), 0)
            << "slide " << slideX << ", cursor " << cursorX;
    }
}

TEST_F(Form1Test, FirstPaintWritesTheTaskLine) {
    EXPECT_EQ(form.Label2->text(), Latin("1 \xB7 1,43 = 1,43"));
    EXPECT_EQ(form.SG1->CellText(0, 1), "obere Einheit");
    EXPECT_EQ(form.PB1->ShownColor(150, 12), kCursorFrameColor);
}

}  // namespace
