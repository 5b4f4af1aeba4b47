// tessalin-snapshot: renders the slide rule exactly as the window's drawing area shows it, writes
// the picture as PNG, then prints the readout table (a line a row, cells separated by tabs) and the
// task line, in UTF-8.
//
//   tessalin-snapshot --size 1164x539 --slide 0 --cursor 150 --mode log --out picture.png

#include <QGuiApplication>
#include <QImage>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/compose.h"
#include "drawing/image_view.h"
#include "readouts/readout_table.h"
#include "readouts/windows1252.h"

namespace {

// The largest drawing area a window of the X window system can have.
constexpr int kLargestSide = 32767;

struct Options {
    int width = 1164;
    int height = 539;
    SlideRuleView view{ScaleMode::Logarithmic, 0, 150};
    std::string out = "picture.png";
};

template <typename Int>
std::optional<Int> ParseInteger(std::string_view text) {
    Int value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool ParseSize(std::string_view text, Options& options) {
    const auto cross = text.find('x');
    if (cross == std::string_view::npos) {
        return false;
    }
    const auto width = ParseInteger<int>(text.substr(0, cross));
    const auto height = ParseInteger<int>(text.substr(cross + 1));
    if (!width || !height || *width < 0 || *height < 0 || *width > kLargestSide ||
        *height > kLargestSide) {
        return false;
    }
    options.width = *width;
    options.height = *height;
    return true;
}

bool ParseOption(std::string_view name, std::string_view value, Options& options) {
    if (name == "--size") {
        return ParseSize(value, options);
    }
    if (name == "--slide" || name == "--cursor") {
        const auto position = ParseInteger<std::int32_t>(value);
        if (position) {
            (name == "--slide" ? options.view.slideX : options.view.cursorX) = *position;
        }
        return position.has_value();
    }
    if (name == "--mode") {
        options.view.mode = value == "log" ? ScaleMode::Logarithmic : ScaleMode::Linear;
        return value == "log" || value == "linear";
    }
    if (name == "--out") {
        options.out = value;
        return !value.empty();
    }
    return false;
}

std::optional<Options> ParseArguments(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc || !ParseOption(argv[i], argv[i + 1], options)) {
            return std::nullopt;
        }
    }
    return options;
}

void PrintTable(const ReadoutTable& table, const std::string& taskLine) {
    for (int row = 0; row < kReadoutRows; ++row) {
        std::string line;
        for (int column = 0; column < kReadoutColumns; ++column) {
            line += (column == 0 ? "" : "\t") + Windows1252ToUtf8(table.Cell(column, row));
        }
        std::printf("%s\n", line.c_str());
    }
    std::printf("%s\n", Windows1252ToUtf8(taskLine).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseArguments(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: tessalin-snapshot [--size WxH] [--slide X] [--cursor X] "
                     "[--mode log|linear] [--out FILE.png]\n"
                     "       sizes 0 to %d; defaults 1164x539, 0, 150, log, picture.png\n",
                     kLargestSide);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);

    ReadoutTable table;
    WriteFixedHeaders(table);
    ComposedPicture composed =
        ComposePicture(options->width, options->height, options->view, table);

    const QImage picture = ImageView(composed.image);
    if (picture.isNull()) {
        std::fprintf(stderr, "tessalin-snapshot: the picture is empty; no file written\n");
    } else if (!picture.save(QString::fromStdString(options->out), "PNG")) {
        std::fprintf(stderr, "tessalin-snapshot: cannot write %s\n", options->out.c_str());
        return 1;
    }
    PrintTable(table, composed.readings.taskLine);
    return 0;
}
