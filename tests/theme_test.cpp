// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The panel keeps its own colours under a dark desktop theme: a palette of light text on dark
// backgrounds, set before the window is made, as a theme sets it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <algorithm>
#include <memory>

#include "app/form1.h"
#include "app/radio_group.h"
#include "app/string_grid.h"

namespace {

constexpr QColor kThemeText(230, 230, 230);
constexpr QColor kPanelColor(240, 240, 240);

QPalette DarkPalette() {
    QPalette dark(QColor(53, 53, 53), QColor(42, 42, 42));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, kThemeText);
    }
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

// The lightness of the darkest pixel of a control's picture on the screen: near 0 where its text
// is black, near the theme's 230 where the theme's text colour shows.
int DarkestLightness(const QImage& image) {
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            darkest = std::min(darkest, image.pixelColor(x, y).lightness());
        }
    }
    return darkest;
}

class DarkTheme : public ::testing::Test {
protected:
    DarkTheme() : themeBefore_(QApplication::palette()) {
        QApplication::setPalette(DarkPalette());
        form = std::make_unique<TForm1>();
        form->show();
        QApplication::processEvents();
    }
    ~DarkTheme() override {
        form.reset();
        QApplication::setPalette(themeBefore_);
    }

    std::unique_ptr<TForm1> form;

private:
    QPalette themeBefore_;
};

TEST_F(DarkTheme, EveryTextOfThePanelIsBlackOnItsGrey) {
    std::vector<QWidget*> blackOnGrey = {form->RG1, form->Label3, form->Label2};
    for (QAbstractButton* item : form->RG1->findChildren<QAbstractButton*>()) {
        blackOnGrey.push_back(item);
    }
    for (QWidget* control : blackOnGrey) {
        const QPalette& palette = control->palette();
        EXPECT_EQ(palette.color(QPalette::WindowText), Qt::black)
            << control->metaObject()->className();
        EXPECT_EQ(palette.color(QPalette::ButtonText), Qt::black)
            << control->metaObject()->className();
        EXPECT_EQ(palette.color(QPalette::Window), kPanelColor)
            << control->metaObject()->className();
    }
    EXPECT_EQ(form->Label1->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(form->Panel3->palette().color(QPalette::Window), kPanelColor);
    const QPalette& grid = form->SG1->palette();
    EXPECT_EQ(grid.color(QPalette::Text), Qt::black);
    EXPECT_EQ(grid.color(QPalette::Base), kPanelColor);
    EXPECT_EQ(form->SG1->viewport()->palette().color(QPalette::Base), kPanelColor);
}

// The selected cell's highlight and its text stay apart in lightness.
TEST_F(DarkTheme, SelectedCellStaysLegible) {
    const QPalette& grid = form->SG1->palette();
    const int highlight = grid.color(QPalette::Highlight).lightness();
    const int text = grid.color(QPalette::HighlightedText).lightness();
    EXPECT_GT(std::abs(highlight - text), 100);
}

TEST_F(DarkTheme, TextReachesTheScreenDark) {
    constexpr int kDarkText = 80;
    EXPECT_LT(DarkestLightness(form->Label2->grab().toImage()), kDarkText);
    const QRect cell = form->SG1->visualItemRect(form->SG1->item(0, 1));  // "obere Skale"
    const QImage header = form->SG1->viewport()->grab(cell).toImage();
    EXPECT_LT(DarkestLightness(header), kDarkText);
    EXPECT_EQ(header.pixelColor(header.width() / 2, 1), kPanelColor);  // above the glyphs
}

}  // namespace
