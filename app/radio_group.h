// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

// A captioned group of radio buttons laid out in columns; the items are numbered from 0.
class RadioGroup final : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    // The selected item, or -1 when none is.
    int ItemIndex() const { return buttons_.checkedId(); }
    void SetItemIndex(int index);

signals:
    // The user or the program selected another item.
    void itemSelected(int index);

private:
    void KeepTabOnSelectedItem();

    QButtonGroup buttons_;
};
