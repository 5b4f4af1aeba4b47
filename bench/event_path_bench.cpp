// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole way of one pointer move during a drag, as a user feels it: the mouse event, the
// handler, the picture, the table and the task line, the copy to the window and its flush to the
// display, with the event loop run after each move. The real window on Qt's offscreen platform,
// or on an X display:
//   build/release/bench/tessalin_event_bench
//   xvfb-run -s "-screen 0 3840x2160x24" env QT_QPA_PLATFORM=xcb
//   build/release/bench/tessalin_event_bench
// Next to it, the floor: filling an image of the drawing area's size white.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

#include "app/form1.h"
#include "app/paint_box.h"
#include "drawing/color.h"

namespace {

// The window's first size, and a 4K screen filled.
constexpr QSize kFirstSize(1164, 684);
constexpr QSize kFourK(3840, 2160);
constexpr int kPanelHeight = 145;

QSize WindowSize(const benchmark::State& state) {
    return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

// The floor: white is all bits set, so the whole drawing area is one memset.
void WhiteFillOfTheDrawingArea(benchmark::State& state) {
    const QSize window = WindowSize(state);
    std::vector<Color> pixels(static_cast<std::size_t>(window.width()) *
                              static_cast<std::size_t>(window.height() - kPanelHeight));
    for (auto _ : state) {
        std::memset(pixels.data(), 0xFF, pixels.size() * sizeof(Color));
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}

// The window at the size, shown, the event loop settled.
std::unique_ptr<TForm1> ShownWindow(QSize size) {
    auto form = std::make_unique<TForm1>();
    form->resize(size);
    form->show();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
    return form;
}

// Pressed on the object at grab, each move goes one pixel right or back.
void DragMoves(benchmark::State& state, QPoint grab) {
    const std::unique_ptr<TForm1> form = ShownWindow(WindowSize(state));
    QTest::mousePress(form->PB1, Qt::LeftButton, {}, grab);
    if (!form->DraggingSlide && !form->DraggingCursor) {
        state.SkipWithError("the press grabbed nothing");
    }
    int step = 0;
    for (auto _ : state) {
        QTest::mouseMove(form->PB1, grab + QPoint(step++ % 2, 0));
        QCoreApplication::processEvents();
    }
    QTest::mouseRelease(form->PB1, Qt::LeftButton, {}, grab);
}

void SlideDragMove(benchmark::State& state) {
    DragMoves(state, {700, 60});  // the upper slide, away from the cursor
}

void CursorDragMove(benchmark::State& state) {
    DragMoves(state, {150, 12});  // the cursor frame's top bar
}

long ResidentKibibytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
    }
    return 0;
}

// Resident memory after the first thousand moves of a slide drag and after a hundred thousand.
void ResidentMemoryOfALongDrag(benchmark::State& state) {
    const std::unique_ptr<TForm1> form = ShownWindow(kFirstSize);
    const QPoint grab(700, 60);
    QTest::mousePress(form->PB1, Qt::LeftButton, {}, grab);
    for (auto _ : state) {
        long afterFirstThousand = 0;
        for (int move = 1; move <= 100000; ++move) {
            QTest::mouseMove(form->PB1, grab + QPoint(move % 200, 0));
            QCoreApplication::processEvents();
            if (move == 1000) {
                afterFirstThousand = ResidentKibibytes();
            }
        }
        state.counters["rss_after_1000_KiB"] = static_cast<double>(afterFirstThousand);
        state.counters["rss_after_100000_KiB"] = static_cast<double>(ResidentKibibytes());
        state.counters["growth_KiB"] =
            static_cast<double>(ResidentKibibytes() - afterFirstThousand);
    }
    QTest::mouseRelease(form->PB1, Qt::LeftButton, {}, grab);
}

}  // namespace

BENCHMARK(WhiteFillOfTheDrawingArea)
    ->ArgNames({"window_width", "window_height"})
    ->Args({kFirstSize.width(), kFirstSize.height()})
    ->Args({kFourK.width(), kFourK.height()})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(SlideDragMove)
    ->ArgNames({"window_width", "window_height"})
    ->Args({kFirstSize.width(), kFirstSize.height()})
    ->Args({kFourK.width(), kFourK.height()})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(CursorDragMove)
    ->ArgNames({"window_width", "window_height"})
    ->Args({kFirstSize.width(), kFirstSize.height()})
    ->Args({kFourK.width(), kFourK.height()})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(ResidentMemoryOfALongDrag)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
