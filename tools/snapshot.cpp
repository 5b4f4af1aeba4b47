// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tessalin-snapshot: renders the slide rule exactly as the window's drawing area shows it, writes
// the picture as PNG, then prints the readout table (a line a row, cells separated by tabs) and the
// task line, in UTF-8.
//
//   tessalin-snapshot --size 1164x539 --slide 0 --cursor 150 --mode log --out picture.png

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "app/program_options.h"
#include "drawing/compose.h"
#include "drawing/image_view.h"
#include "readouts/readout_table.h"
#include "readouts/windows1252.h"

namespace {

constexpr auto kProgram = "tessalin-snapshot";
constexpr int kExitCannotWrite = 1;

// The largest drawing area a window of the X window system can have.
constexpr int kLargestSide = 32767;

struct Settings {
    int width = 1164;
    int height = 539;
    SlideRuleView view{ScaleMode::Logarithmic, 0, 150};
    std::string out = "picture.png";
};

void AddOptions(ProgramOptions& options) {
    options.Add({"size", "The drawing area's size, each side 0 to 32767.", "WxH", "1164x539"});
    options.Add({"slide", "The slide's shift against the stator, in pixels.", "X", "0"});
    options.Add({"cursor", "The cursor's position; its hairline stands 60 px right.", "X", "150"});
    options.Add({"mode", "The scales: log (multiplies) or linear (adds).", "log|linear", "log"});
    options.Add({"out", "The PNG file to write.", "FILE", "picture.png"});
}

template <typename Int>
std::optional<Int> ParseInteger(std::string_view text) {
    Int value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool ParseSize(std::string_view text, Settings& settings) {
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
    settings.width = *width;
    settings.height = *height;
    return true;
}

// The settings the options ask for; the name of the first option with a value that makes no
// sense when there is one.
std::optional<Settings> ReadSettings(const ProgramOptions& options, QString& wrongOption) {
    Settings settings;
    const auto position = [&](const char* name, std::int32_t& into) {
        const auto value = ParseInteger<std::int32_t>(options.Value(name).toStdString());
        into = value.value_or(into);
        return value.has_value();
    };
    const QString mode = options.Value("mode");
    settings.view.mode = mode == "log" ? ScaleMode::Logarithmic : ScaleMode::Linear;
    settings.out = options.Value("out").toStdString();
    const std::pair<const char*, bool> checks[] = {
        {"size", ParseSize(options.Value("size").toStdString(), settings)},
        {"slide", position("slide", settings.view.slideX)},
        {"cursor", position("cursor", settings.view.cursorX)},
        {"mode", mode == "log" || mode == "linear"},
        {"out", !settings.out.empty()},
    };
    for (const auto& [name, sensible] : checks) {
        if (!sensible) {
            wrongOption = name;
            return std::nullopt;
        }
    }
    return settings;
}

// Encodes the picture in memory first, so that no encoder is left half way when the disk refuses
// the bytes. A file that cannot be written whole is removed, unless it is no plain file.
bool WritePng(const QImage& picture, const std::string& path) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const auto size = static_cast<std::size_t>(png.size());
    bool written = std::fwrite(png.constData(), 1, size, file) == size;
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (!written) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(path, ignored)) {
            std::filesystem::remove(path, ignored);
        }
    }
    return written;
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    ProgramOptions options(kProgram,
                           "Renders the slide rule's drawing area as the window shows it, writes "
                           "it as PNG and prints the readout table and the task line.");
    AddOptions(options);
    if (const auto status = options.Answer(QCoreApplication::arguments())) {
        return *status;
    }
    QString wrongOption;
    const std::optional<Settings> settings = ReadSettings(options, wrongOption);
    if (!settings) {
        return RefuseCommandLine(kProgram, "The value of --" + wrongOption + " makes no sense.");
    }

    ReadoutTable table;
    WriteFixedHeaders(table);
    ComposedPicture composed =
        ComposePicture(settings->width, settings->height, settings->view, table);
    const QImage picture = ImageView(composed.image.View());
    if (picture.isNull()) {
        std::fprintf(stderr, "%s: the picture is empty; no file written\n", kProgram);
    } else if (!WritePng(picture, settings->out)) {
        std::fprintf(stderr, "%s: cannot write %s\n", kProgram, settings->out.c_str());
        return kExitCannotWrite;
    }
    PrintTable(table, composed.readings.taskLine);
    return 0;
}
