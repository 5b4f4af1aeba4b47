// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readouts/readout_table.h"

#include <cstddef>

#include "readouts/readings.h"

namespace {

bool IsInGrid(int column, int row) {
    return column >= 0 && column < kReadoutColumns && row >= 0 && row < kReadoutRows;
}

}  // namespace

void ReadoutTable::SetCell(int column, int row, std::string_view text) {
    if (!IsInGrid(column, row)) {
        return;
    }
    cells_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = text;
}

const std::string& ReadoutTable::Cell(int column, int row) const {
    static const std::string kNoCell;
    if (!IsInGrid(column, row)) {
        return kNoCell;
    }
    return cells_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

void WriteFixedHeaders(CellWriter& table) {
    table.SetCell(1, 0, "obere Skale");
    table.SetCell(2, 0, "untere Skale");
    table.SetCell(0, 3, "L\xE4ufer");
}

void WriteRowHeaders(ScaleMode mode, CellWriter& table) {
    if (mode == ScaleMode::Logarithmic) {
        table.SetCell(0, 1, "obere Einheit");
        table.SetCell(0, 2, "untere Einheit");
    } else {
        table.SetCell(0, 1, "obere Null");
        table.SetCell(0, 2, "untere Null");
    }
}

void WriteReadings(const Readings& readings, CellWriter& table) {
    table.SetCell(2, 2, readings.lowerIndex);
    table.SetCell(2, 1, readings.lowerAtSlideIndex);
    table.SetCell(1, 1, readings.slideIndex);
    table.SetCell(1, 2, readings.slideAtLowerIndex);
    table.SetCell(2, 3, readings.lowerUnderHairline);
    table.SetCell(1, 3, readings.slideUnderHairline);
}
