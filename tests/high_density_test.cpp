// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a screen of two device pixels per pixel (this program runs with
// QT_SCALE_FACTOR=2): the layout stays in logical pixels, the screen shows what tessalin-snapshot
// writes at 100 %, every pixel a 2 x 2 block, text included, and a press hits what it hits at
// 100 %.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/form1.h"
#include "app/paint_box.h"

namespace {

class HighDensity : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        QApplication::processEvents();
    }

    TForm1 form;
};

TEST_F(HighDensity, LayoutStaysInLogicalPixels) {
    EXPECT_EQ(form.devicePixelRatio(), 2);
    EXPECT_EQ(form.size(), QSize(1164, 684));
    EXPECT_EQ(form.PB1->size(), QSize(1164, 539));
}

// The picture of the start setting as tessalin-snapshot writes it, in a process of its own that
// does not scale.
QImage SnapshotAtFullScale(const QString& path) {
    QProcess snapshot;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_SCALE_FACTOR");
    snapshot.setProcessEnvironment(environment);
    snapshot.start(TESSALIN_SNAPSHOT, {"--size", "1164x539", "--slide", "0", "--cursor", "150",
                                       "--mode", "log", "--out", path});
    snapshot.waitForFinished(60000);
    EXPECT_EQ(snapshot.exitCode(), 0) << snapshot.readAllStandardError().toStdString();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

TEST_F(HighDensity, ScreenShowsTheSnapshotDoubled) {
    const QTemporaryDir folder;
    const QImage picture = SnapshotAtFullScale(folder.filePath("start.png"));
    ASSERT_EQ(picture.size(), QSize(1164, 539));
    const QImage screen = form.PB1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(screen.size(), QSize(2328, 1078));
    int mismatches = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            mismatches += screen.pixel(x, y) != picture.pixel(x / 2, y / 2) ? 1 : 0;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(HighDensity, PressHitsWhatItHitsAtFullScale) {
    QTest::mousePress(form.PB1, Qt::LeftButton, {}, {150, 12});  // the cursor frame's top bar
    EXPECT_TRUE(form.DraggingCursor);
    QTest::mouseRelease(form.PB1, Qt::LeftButton, {}, {150, 12});
    QTest::mousePress(form.PB1, Qt::LeftButton, {}, {180, 60});  // the cursor's clear window
    EXPECT_TRUE(form.DraggingSlide);
    EXPECT_FALSE(form.DraggingCursor);
    QTest::mouseRelease(form.PB1, Qt::LeftButton, {}, {180, 60});
    EXPECT_EQ(form.CursorX, 150);
    EXPECT_EQ(form.SlideX, 0);
}

}  // namespace
