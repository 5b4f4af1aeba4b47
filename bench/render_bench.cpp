// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole render as the window does it at every pointer move, with one composer and one image
// for all renders, next to the cost of filling an image of the same size white. Run from a
// release build:
//   build/release/bench/tessalin_bench --benchmark_repetitions=10
//   --benchmark_report_aggregates_only

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstddef>
#include <cstring>

#include "drawing/bitmap.h"
#include "drawing/compose.h"
#include "readouts/readout_table.h"

namespace {

void FreshWhiteImage(benchmark::State& state) {
    const auto width = static_cast<int>(state.range(0));
    const auto height = static_cast<int>(state.range(1));
    for (auto _ : state) {
        Bitmap image(width, height);
        benchmark::DoNotOptimize(image.Row(0));
        benchmark::ClobberMemory();
    }
}

// The floor: white is all bits set, so the whole image is one memset.
void WhiteFill(benchmark::State& state) {
    Bitmap image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const Pixels pixels = image.View();
    const auto bytes = static_cast<std::size_t>(pixels.BytesPerLine() * pixels.Height());
    for (auto _ : state) {
        std::memset(pixels.Bytes(), 0xFF, bytes);
        benchmark::DoNotOptimize(pixels.Row(0));
        benchmark::ClobberMemory();
    }
}

void WholeRender(benchmark::State& state) {
    const auto width = static_cast<int>(state.range(0));
    const auto height = static_cast<int>(state.range(1));
    const ScaleMode mode = state.range(2) == 1 ? ScaleMode::Logarithmic : ScaleMode::Linear;
    ReadoutTable table;
    PictureComposer composer;
    Bitmap image(width, height);
    const Pixels pixels = image.View();
    for (auto _ : state) {
        benchmark::DoNotOptimize(composer.Compose(pixels, {mode, 0, 150}, table));
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(FreshWhiteImage)->Args({1164, 539})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);
BENCHMARK(WhiteFill)
    ->ArgNames({"width", "height"})
    ->Args({1164, 539})
    ->Args({3840, 2015})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(WholeRender)
    ->ArgNames({"width", "height", "log"})
    ->Args({1164, 539, 1})
    ->Args({1164, 539, 0})
    ->Args({3840, 2015, 1})
    ->Args({3840, 2160, 1})
    ->Args({3840, 2160, 0})
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);  // text needs the font database
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
