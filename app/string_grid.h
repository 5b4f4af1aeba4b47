// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTableWidget>

#include "readouts/readout_table.h"

// The readout table on screen: fixed cells, no headers, no scroll bars; cells can be selected but
// not edited. Texts come in as Windows-1252.
class StringGrid final : public QTableWidget, public CellWriter {
    Q_OBJECT

public:
    explicit StringGrid(QWidget* parent);

    void SetCell(int column, int row, std::string_view text) override;
    QString CellText(int column, int row) const;
};
