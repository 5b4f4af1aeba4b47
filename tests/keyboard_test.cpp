// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard: the tab order of the panel and the drawing area, the radio group's arrow keys,
// and the keys that move the cursor and the slide while the drawing area has the focus.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <limits>
#include <string>

#include "app/form1.h"
#include "app/paint_box.h"
#include "app/radio_group.h"
#include "app/string_grid.h"
#include "drawing/picture.h"

namespace {

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        QApplication::setActiveWindow(&form);
        QApplication::processEvents();
    }

    static QWidget* Focus() { return QApplication::focusWidget(); }
    static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focus(), static_cast<Qt::Key>(key), modifiers);
    }
    QAbstractButton* Item(int index) const {
        return form.RG1->findChildren<QAbstractButton*>().at(index);
    }
    void FocusThePicture() {
        Press(Qt::Key_Tab);
        Press(Qt::Key_Tab);
        ASSERT_EQ(Focus(), form.PB1);
    }

    TForm1 form;
};

TEST_F(KeyboardTest, TabRunsFromTheTableToTheSelectedItemToThePictureAndAround) {
    ASSERT_EQ(Focus(), form.SG1);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focus(), Item(1));  // "logarithmisch", the selected item
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focus(), form.PB1);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focus(), form.SG1);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focus(), form.PB1);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focus(), Item(1));
}

TEST_F(KeyboardTest, ArrowKeysMoveWithinTheTable) {
    Press(Qt::Key_Right);
    Press(Qt::Key_Down);
    EXPECT_EQ(Focus(), form.SG1);
    EXPECT_EQ(form.SG1->currentColumn(), 1);
    EXPECT_EQ(form.SG1->currentRow(), 1);
}

// The arrow keys select the other scale type, which repaints at once as a click does.
TEST_F(KeyboardTest, ArrowKeysInTheRadioGroupSwitchTheScales) {
    const int unitFive = 582;  // the upper slide's 5, a mark of the linear scale only
    Press(Qt::Key_Tab);
    Press(Qt::Key_Left);
    EXPECT_EQ(form.RG1->ItemIndex(), 0);
    EXPECT_EQ(Focus(), Item(0));
    EXPECT_EQ(form.PB1->ShownColor(unitFive, 61), Rgb(128, 0, 0));
    EXPECT_EQ(form.Label2->text(), "0+1,57 = 1,57");
    Press(Qt::Key_Right);
    EXPECT_EQ(form.RG1->ItemIndex(), 1);
    EXPECT_EQ(form.PB1->ShownColor(unitFive, 61), Rgb(255, 255, 192));
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focus(), form.PB1);
}

TEST_F(KeyboardTest, AClickNeverTakesTheFocus) {
    QTest::mouseClick(form.PB1, Qt::LeftButton, {}, {700, 200});
    EXPECT_EQ(Focus(), form.SG1);
}

// Qt would hand the hidden table's focus on to the drawing area, or keep it on the hidden table.
TEST_F(KeyboardTest, WhileThePanelIsHiddenNoControlHasTheFocus) {
    form.PB1DblClick();
    EXPECT_EQ(Focus(), nullptr);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focus(), form.PB1);
    form.PB1DblClick();
    EXPECT_EQ(Focus(), form.PB1);
}

TEST_F(KeyboardTest, ThePanelHasItsFocusBackWhenShown) {
    form.PB1DblClick();
    form.PB1DblClick();
    EXPECT_EQ(Focus(), form.SG1);
}

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    std::int32_t slideMove;
    std::int32_t cursorMove;
};

class PictureKey : public KeyboardTest, public ::testing::WithParamInterface<KeyCase> {};

// From slide 100 and cursor 300, each press renders once.
TEST_P(PictureKey, MovesByItsStep) {
    FocusThePicture();
    form.SlideX = 100;
    form.CursorX = 300;
    const std::uint64_t compositions = form.PB1->Compositions();
    Press(GetParam().key, GetParam().modifiers);
    EXPECT_EQ(form.SlideX, 100 + GetParam().slideMove);
    EXPECT_EQ(form.CursorX, 300 + GetParam().cursorMove);
    EXPECT_EQ(form.PB1->Compositions(), compositions + 1);
}

constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kControl = Qt::ControlModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, PictureKey,
    ::testing::Values(KeyCase{"Right", Qt::Key_Right, {}, 0, 1},
                      KeyCase{"Left", Qt::Key_Left, {}, 0, -1},
                      KeyCase{"ShiftRight", Qt::Key_Right, kShift, 0, 10},
                      KeyCase{"ShiftLeft", Qt::Key_Left, kShift, 0, -10},
                      KeyCase{"ControlRight", Qt::Key_Right, kControl, 1, 0},
                      KeyCase{"ControlLeft", Qt::Key_Left, kControl, -1, 0},
                      KeyCase{"ControlShiftRight", Qt::Key_Right, kControl | kShift, 10, 0},
                      KeyCase{"ControlShiftLeft", Qt::Key_Left, kControl | kShift, -10, 0},
                      KeyCase{"Home", Qt::Key_Home, {}, -100, -150}),
    [](const ::testing::TestParamInfo<KeyCase>& test) { return std::string(test.param.name); });

TEST_F(KeyboardTest, CursorKeysStopWhereADragStops) {
    FocusThePicture();
    form.CursorX = 1060;
    Press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(form.CursorX, 1064);
    form.CursorX = -15;
    Press(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(form.CursorX, -20);
}

TEST_F(KeyboardTest, SlideKeysSaturateAtTheLimits) {
    FocusThePicture();
    form.SlideX = std::numeric_limits<std::int32_t>::max() - 3;
    Press(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.SlideX, std::numeric_limits<std::int32_t>::max());
    form.SlideX = std::numeric_limits<std::int32_t>::min() + 3;
    Press(Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form.SlideX, std::numeric_limits<std::int32_t>::min());
}

TEST_F(KeyboardTest, KeysMoveNothingWithoutTheFocus) {
    Press(Qt::Key_Right);
    Press(Qt::Key_Home);
    EXPECT_EQ(form.CursorX, 150);
    EXPECT_EQ(form.SlideX, 0);
}

// The cue frames the picture on the screen only: the picture itself, which the hit test reads,
// stays as it was.
TEST_F(KeyboardTest, FocusCueLiesOnTheScreenNotInThePicture) {
    const auto blackInTopRow = [this] {
        const QImage screen = form.PB1->grab().toImage();
        int black = 0;
        for (int x = 0; x < screen.width(); ++x) {
            black += (screen.pixel(x, 0) & 0xFFFFFFu) == 0 ? 1 : 0;
        }
        return black;
    };
    EXPECT_EQ(blackInTopRow(), 0);
    FocusThePicture();
    QApplication::processEvents();
    EXPECT_GT(blackInTopRow(), form.PB1->width() / 4);
    EXPECT_EQ(form.PB1->ShownColor(0, 0), kWhite);
    EXPECT_EQ(form.PB1->ShownColor(600, 0), kWhite);
}

}  // namespace
