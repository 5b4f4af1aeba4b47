// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "readouts/scale_mode.h"

struct Readings;

// The readout table: 3 columns by 4 rows of texts, addressed as (column, row) from 0.
// Column 1 is the upper scale (C, on the slide), column 2 the lower scale (D, on the stator);
// row 1 is the upper scale's index, row 2 the lower scale's index, row 3 the hairline.
constexpr int kReadoutColumns = 3;
constexpr int kReadoutRows = 4;

// What a render needs of the table: it writes cells.
class CellWriter {
public:
    virtual ~CellWriter() = default;
    virtual void SetCell(int column, int row, std::string_view text) = 0;
};

// A plain table, for renders without a window. A cell never written holds the empty text. A cell
// outside the 3 x 4 grid does not exist: writing it does nothing, reading it gives the empty text.
class ReadoutTable final : public CellWriter {
public:
    void SetCell(int column, int row, std::string_view text) override;
    const std::string& Cell(int column, int row) const;

private:
    std::array<std::array<std::string, kReadoutRows>, kReadoutColumns> cells_;
};

// "obere Skale", "untere Skale" and "Läufer": written once, when the window starts.
void WriteFixedHeaders(CellWriter& table);

// The row headers that depend on the scale mode, written first in every render.
void WriteRowHeaders(ScaleMode mode, CellWriter& table);

// Writes the six reading cells in the order (2,2), (2,1), (1,1), (1,2), (2,3), (1,3).
void WriteReadings(const Readings& readings, CellWriter& table);
