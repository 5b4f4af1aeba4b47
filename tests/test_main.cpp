// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>

// Text and widgets need an application object; tests run on the offscreen platform, on a screen
// of TESSALIN_TEST_SCALE_FACTOR device pixels per pixel where the program says so.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#ifdef TESSALIN_TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", TESSALIN_TEST_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
