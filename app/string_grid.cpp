// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/string_grid.h"

#include <QHeaderView>

#include "readouts/windows1252.h"

namespace {

constexpr int kColumnWidth = 120;
constexpr int kRowHeight = 20;

}  // namespace

StringGrid::StringGrid(QWidget* parent) : QTableWidget(kReadoutRows, kReadoutColumns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    for (int column = 0; column < kReadoutColumns; ++column) {
        setColumnWidth(column, kColumnWidth);
    }
    for (int row = 0; row < kReadoutRows; ++row) {
        setRowHeight(row, kRowHeight);
        for (int column = 0; column < kReadoutColumns; ++column) {
            setItem(row, column, new QTableWidgetItem);
        }
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    // A long reading runs from the cell's left edge to its border and is cut there; the tool tip
    // shows all of it.
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    // Tab leaves the table for the next control; the arrow keys move within it.
    setTabKeyNavigation(false);
    setCurrentCell(0, 0);
}

// QTableWidget counts (row, column); the program counts (column, row).
void StringGrid::SetCell(int column, int row, std::string_view text) {
    const QString shown = QString::fromStdString(Windows1252ToUtf8(text));
    item(row, column)->setText(shown);
    item(row, column)->setToolTip(shown);
}

QString StringGrid::CellText(int column, int row) const {
    return item(row, column)->text();
}
