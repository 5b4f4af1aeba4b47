// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole pictures against stored ones made by tessalin-snapshot. Text differs between machines'
// fonts, so the pixels a text may touch, as the render records them, are left out; every other
// pixel must match exactly.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "drawing/bitmap.h"
#include "drawing/compose.h"
#include "drawing/image_view.h"
#include "geometry/box.h"
#include "readouts/readout_table.h"

namespace {

// One flag per pixel: true where a text may have touched it.
std::vector<bool> TextMask(const std::vector<Box>& cells, int width, int height) {
    std::vector<bool> mask(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (const Box& cell : cells) {
        for (std::int64_t y = std::max<std::int64_t>(cell.top, 0);
             y < std::min<std::int64_t>(cell.bottom, height); ++y) {
            for (std::int64_t x = std::max<std::int64_t>(cell.left, 0);
                 x < std::min<std::int64_t>(cell.right, width); ++x) {
                mask[static_cast<std::size_t>(y * width + x)] = true;
            }
        }
    }
    return mask;
}

struct GoldenCase {
    const char* name;
    SlideRuleView view;
    const char* arguments;  // how tessalin-snapshot makes the stored picture
};

std::ostream& operator<<(std::ostream& out, const GoldenCase& golden) {
    return out << golden.name;
}

class GoldenPicture : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenPicture, MatchesOutsideTheText) {
    const GoldenCase& golden = GetParam();
    const QString storedPath = QString(TESSALIN_GOLDEN_DIR "/%1.png").arg(golden.name);
    const QImage stored = QImage(storedPath).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(stored.isNull()) << storedPath.toStdString();

    ReadoutTable table;
    std::vector<Box> textCells;
    ComposedPicture composed =
        ComposePicture(stored.width(), stored.height(), golden.view, table, &textCells);
    Bitmap& picture = composed.image;
    const std::vector<bool> text = TextMask(textCells, stored.width(), stored.height());

    QImage diff(stored.size(), QImage::Format_RGB32);
    diff.fill(Qt::white);
    int compared = 0;
    int mismatches = 0;
    for (int y = 0; y < stored.height(); ++y) {
        for (int x = 0; x < stored.width(); ++x) {
            if (text[static_cast<std::size_t>(y * stored.width() + x)]) {
                diff.setPixel(x, y, qRgb(224, 224, 224));
                continue;
            }
            ++compared;
            if (stored.pixel(x, y) != picture.Pixel(x, y)) {
                ++mismatches;
                diff.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    }
    EXPECT_GT(compared, stored.width() * stored.height() * 9 / 10);
    if (mismatches > 0) {
        const QString actualPath = QString("%1_actual.png").arg(golden.name);
        ImageView(picture.View()).save(actualPath);
        diff.save(QString("%1_diff.png").arg(golden.name));
        ADD_FAILURE() << mismatches << " pixels differ from " << storedPath.toStdString()
                      << "; the picture and the differences (red; grey: text, not compared) are in "
                      << golden.name << "_actual.png and " << golden.name
                      << "_diff.png in the test's working directory. If the change is meant, "
                         "refresh the stored picture with\n  tessalin-snapshot "
                      << golden.arguments << " --out tests/golden/" << golden.name << ".png";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, GoldenPicture,
    ::testing::Values(GoldenCase{"start_log",
                                 {ScaleMode::Logarithmic, 0, 150},
                                 "--size 1164x539 --slide 0 --cursor 150 --mode log"},
                      GoldenCase{"start_linear",
                                 {ScaleMode::Linear, 0, 150},
                                 "--size 1164x539 --slide 0 --cursor 150 --mode linear"},
                      GoldenCase{"slide_right_linear",
                                 {ScaleMode::Linear, 1626, -20},
                                 "--size 1164x539 --slide 1626 --cursor -20 --mode linear"},
                      GoldenCase{"slide_left_log",
                                 {ScaleMode::Logarithmic, -400, 1064},
                                 "--size 1164x539 --slide -400 --cursor 1064 --mode log"}),
    [](const ::testing::TestParamInfo<GoldenCase>& test) { return std::string(test.param.name); });

}  // namespace
