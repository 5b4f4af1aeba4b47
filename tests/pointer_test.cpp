// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <limits>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/paint_box.h"
#include "drawing/picture.h"
#include "tests/paint_counter.h"

namespace {

// At the first size: h = 119, the lower view starts at row 269.
constexpr int kAwayFromTheCursor = 700;

class PointerTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        QApplication::processEvents();
    }

    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(form.PB1, button, {}, at);
    }
    void Move(QPoint to) { QTest::mouseMove(form.PB1, to); }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(form.PB1, button, {}, at);
    }
    // What the window system delivers for a double click: the second press comes as a
    // double-click event of its own.
    void DoubleClick(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        Press(at, button);
        Release(at, button);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, form.PB1->mapToGlobal(at), button,
                           button, Qt::NoModifier);
        QApplication::sendEvent(form.PB1, &second);
        Release(at, button);
    }

    TForm1 form;
};

struct BandCase {
    int y;
    bool grabsSlide;
};

class SlideBand : public PointerTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(SlideBand, StrictEdges) {
    form.PB1MouseDown(kAwayFromTheCursor, GetParam().y);
    EXPECT_EQ(form.DraggingSlide, GetParam().grabsSlide) << "row " << GetParam().y;
    EXPECT_FALSE(form.DraggingCursor);
    if (GetParam().grabsSlide) {
        EXPECT_EQ(form.GrabOffset, kAwayFromTheCursor);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SlideBand,
                         ::testing::Values(BandCase{20, false}, BandCase{21, true},
                                           BandCase{140, true}, BandCase{141, false},
                                           BandCase{269, false}, BandCase{270, true},
                                           BandCase{389, true}, BandCase{390, false},
                                           BandCase{200, false}, BandCase{-5, false}),
                         [](const ::testing::TestParamInfo<BandCase>& test) {
                             return "Row" + std::to_string(test.param.y < 0 ? 0 : test.param.y) +
                                    (test.param.y < 0 ? "Above" : "");
                         });

TEST_F(PointerTest, FrameOverTheSlideGrabsTheCursorAndItsWindowTheSlide) {
    form.PB1MouseDown(150, 60);  // left bar of the frame, over the upper slide
    EXPECT_TRUE(form.DraggingCursor);
    EXPECT_FALSE(form.DraggingSlide);
    EXPECT_EQ(form.GrabOffset, 0);
    form.PB1MouseUp(150);
    form.PB1MouseDown(180, 60);  // the clear window, over the same strip
    EXPECT_TRUE(form.DraggingSlide);
    EXPECT_FALSE(form.DraggingCursor);
}

TEST_F(PointerTest, DraggingTheSlideMovesBothViewsWithTheMouse) {
    Press({500, 300});  // lower slide band, where no copy is drawn
    Move({620, 310});
    EXPECT_EQ(form.SlideX, 120);
    EXPECT_EQ(form.PB1->ShownColor(160, 139), Rgb(128, 0, 0));  // the slide's left end tick
    EXPECT_EQ(form.PB1->ShownColor(160, 388), Rgb(128, 0, 0));  // the left copy's right end tick
    Release({650, 400});
    EXPECT_EQ(form.SlideX, 150);
    EXPECT_FALSE(form.DraggingSlide);
}

TEST_F(PointerTest, PressAndReleaseInPlaceChangesNothingAndPaintsOnce) {
    form.SlideX = 37;
    PaintCounter counter;
    form.PB1->installEventFilter(&counter);
    Press({kAwayFromTheCursor, 60});
    EXPECT_EQ(counter.paints, 0);
    Release({kAwayFromTheCursor, 60});
    EXPECT_EQ(form.SlideX, 37);
    EXPECT_FALSE(form.DraggingSlide);
    EXPECT_EQ(counter.paints, 1);
}

TEST_F(PointerTest, CursorStopsAtBothEnds) {
    Press({150, 12});
    Move({-400, 12});
    EXPECT_EQ(form.CursorX, -20);
    Move({5000, 12});
    EXPECT_EQ(form.CursorX, 1064);
    Release({5000, 12});
    EXPECT_EQ(form.CursorX, 1064);
    EXPECT_FALSE(form.DraggingCursor);
}

TEST_F(PointerTest, ReleaseBringsAnOutOfRangeCursorBack) {
    form.CursorX = 2000;  // as after the window was made narrower
    form.DraggingCursor = true;
    form.GrabOffset = 0;
    form.PB1MouseUp(2000);
    EXPECT_EQ(form.CursorX, 1064);
}

TEST_F(PointerTest, NarrowAreaKeepsTheCursorAtItsRightBound) {
    form.DraggingCursor = true;
    form.GrabOffset = 0;
    form.resize(70, 684);
    QApplication::processEvents();
    ASSERT_EQ(form.PB1->width(), 70);
    for (const int x : {-500, 0, 500}) {
        form.PB1MouseMove(x);
        EXPECT_EQ(form.CursorX, -30) << x;
    }
}

// Every button drags alike, and the release ends the drag even outside the window.
TEST_F(PointerTest, EveryButtonDragsAndItsReleaseEndsTheDrag) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        form.SlideX = 0;
        Press({300, 60}, button);
        Move({-600, 900});
        EXPECT_EQ(form.SlideX, -900) << button;
        Release({-700, 900}, button);
        EXPECT_FALSE(form.DraggingSlide) << button;
        EXPECT_EQ(form.SlideX, -1000) << button;
        Move({300, 60});  // no button held: nothing follows
        EXPECT_EQ(form.SlideX, -1000) << button;
    }
}

TEST_F(PointerTest, MovesWithNoButtonHeldReachTheHandler) {
    form.DraggingSlide = true;
    form.GrabOffset = 10;
    Move({110, 300});
    EXPECT_EQ(form.SlideX, 100);
}

// A left press on the slide and, with it still held, a right press on the frame: both follow the
// later grab until either button is released.
TEST_F(PointerTest, SlideAndCursorTogether) {
    Press({kAwayFromTheCursor, 60});
    QTest::mousePress(form.PB1, Qt::RightButton, Qt::NoModifier, {150, 12});
    EXPECT_TRUE(form.DraggingSlide);
    EXPECT_TRUE(form.DraggingCursor);
    EXPECT_EQ(form.GrabOffset, 0);
    form.PB1MouseMove(250);
    EXPECT_EQ(form.SlideX, 250);
    EXPECT_EQ(form.CursorX, 250);
    Release({260, 12}, Qt::RightButton);
    EXPECT_FALSE(form.DraggingSlide);
    EXPECT_FALSE(form.DraggingCursor);
    EXPECT_EQ(form.SlideX, 260);
    EXPECT_EQ(form.CursorX, 260);
}

// Near the ends of the 32-bit range a press and release in place still leave the slide where it
// is, and a drag beyond the end stops there instead of wrapping.
TEST_F(PointerTest, ExtremePositionsDoNotWrap) {
    for (const std::int32_t end :
         {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}) {
        form.SlideX = end;
        form.PB1MouseDown(kAwayFromTheCursor, 60);
        form.PB1MouseUp(kAwayFromTheCursor);
        EXPECT_EQ(form.SlideX, end);
        form.PB1MouseDown(kAwayFromTheCursor, 60);
        form.PB1MouseUp(end < 0 ? -kAwayFromTheCursor : 3 * kAwayFromTheCursor);
        EXPECT_EQ(form.SlideX, end);
    }
}

TEST_F(PointerTest, DoubleClickArrivesAsPressReleaseDoubleClickPressRelease) {
    std::vector<std::string> events;
    QObject::connect(form.PB1, &PaintBox::pressed, [&] { events.push_back("press"); });
    QObject::connect(form.PB1, &PaintBox::released, [&] { events.push_back("release"); });
    QObject::connect(form.PB1, &PaintBox::doubleClicked, [&] { events.push_back("double"); });
    DoubleClick({kAwayFromTheCursor, 60});
    const std::vector<std::string> expected = {"press", "release", "double", "press", "release"};
    EXPECT_EQ(events, expected);
    events.clear();
    DoubleClick({kAwayFromTheCursor, 200}, Qt::RightButton);
    const std::vector<std::string> plain = {"press", "release", "press", "release"};
    EXPECT_EQ(events, plain);
}

TEST_F(PointerTest, DoubleClickOnTheSlideTogglesThePanelAndLeavesTheSlide) {
    form.SlideX = 12;
    DoubleClick({kAwayFromTheCursor, 60});
    EXPECT_FALSE(form.Panel3->isVisible());
    EXPECT_EQ(form.PB1->height(), 684);
    EXPECT_EQ(form.SlideX, 12);
    EXPECT_FALSE(form.DraggingSlide);
    DoubleClick({kAwayFromTheCursor, 60});
    EXPECT_TRUE(form.Panel3->isVisible());
    EXPECT_EQ(form.PB1->height(), 539);
}

// The second press of a double click tests the bands at the new size: row 300 lies in the lower
// slide band at the first size, but in no band once the panel is hidden.
TEST_F(PointerTest, SecondPressOfADoubleClickUsesTheNewSize) {
    const QPoint at(kAwayFromTheCursor, 300);
    Press(at);
    EXPECT_TRUE(form.DraggingSlide);
    Release(at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, form.PB1->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.PB1, &second);
    EXPECT_EQ(form.PB1->height(), 684);
    EXPECT_FALSE(form.DraggingSlide);
    Release(at);
}

TEST_F(PointerTest, ActivationSetsTheStartButDrawsNothing) {
    form.SlideX = 99;
    form.CursorX = 400;
    form.GrabOffset = 5;
    form.DraggingSlide = true;
    form.PB1Paint();
    PaintCounter counter;
    form.PB1->installEventFilter(&counter);
    form.FormActivate();
    EXPECT_EQ(form.SlideX, 0);
    EXPECT_EQ(form.CursorX, 150);
    EXPECT_EQ(form.GrabOffset, 5);
    EXPECT_FALSE(form.DraggingSlide);
    EXPECT_EQ(counter.paints, 0);
    EXPECT_EQ(form.PB1->ShownColor(400, 12), kCursorFrameColor);  // still the old picture
}

TEST_F(PointerTest, ShowingTheWindowAgainKeepsTheState) {
    form.SlideX = 77;
    form.CursorX = 300;
    form.hide();
    form.show();
    form.showMinimized();
    form.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(form.SlideX, 77);
    EXPECT_EQ(form.CursorX, 300);
}

}  // namespace
