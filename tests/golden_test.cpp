// Whole pictures against stored ones made by tessalin-snapshot. Text differs between machines'
// fonts, so only pixels that show one of the picture's own colours in both images are compared:
// a strip, tick or cursor that moves by one pixel still shows.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <array>
#include <string>

#include "drawing/bitmap.h"
#include "drawing/canvas.h"
#include "drawing/image_view.h"
#include "drawing/render.h"
#include "readouts/readout_table.h"

namespace {

constexpr std::array<Color, 7> kPictureColors = {
    Rgb(255, 255, 255), Rgb(255, 255, 192), Rgb(192, 255, 255), Rgb(128, 128, 128),
    Rgb(128, 0, 0),     Rgb(0, 0, 255),     Rgb(255, 255, 64)};

bool IsPictureColor(Color color) {
    return std::find(kPictureColors.begin(), kPictureColors.end(), color) != kPictureColors.end();
}

struct GoldenCase {
    const char* name;
    SlideRuleView view;
    const char* arguments;  // how tessalin-snapshot makes the stored picture
};

class GoldenPicture : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenPicture, MatchesOutsideTheText) {
    const GoldenCase& golden = GetParam();
    const QString storedPath = QString(TESSALIN_GOLDEN_DIR "/%1.png").arg(golden.name);
    const QImage stored = QImage(storedPath).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(stored.isNull()) << storedPath.toStdString();

    Bitmap picture(stored.width(), stored.height());
    Canvas canvas(picture);
    ReadoutTable table;
    RenderSlideRule(canvas, golden.view, table);

    QImage diff(stored.size(), QImage::Format_RGB32);
    diff.fill(Qt::white);
    int compared = 0;
    int mismatches = 0;
    for (int y = 0; y < stored.height(); ++y) {
        for (int x = 0; x < stored.width(); ++x) {
            const Color expected = stored.pixel(x, y);
            const Color actual = picture.Pixel(x, y);
            if (!IsPictureColor(expected) || !IsPictureColor(actual)) {
                continue;
            }
            ++compared;
            if (expected != actual) {
                ++mismatches;
                diff.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    }
    EXPECT_GT(compared, stored.width() * stored.height() * 9 / 10);
    if (mismatches > 0) {
        const QString actualPath = QString("%1_actual.png").arg(golden.name);
        ImageView(picture).save(actualPath);
        diff.save(QString("%1_diff.png").arg(golden.name));
        ADD_FAILURE() << mismatches << " pixels differ from " << storedPath.toStdString()
                      << "; the picture and the differences (red) are in " << golden.name
                      << "_actual.png and " << golden.name
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
