// SPDX-FileCopyrightText: 2026 The Tessalin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/radio_group.h"

#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 0, 8, 2);
    layout->setVerticalSpacing(0);
    for (int index = 0; index < items.size(); ++index) {
        auto* button = new QRadioButton(items[index], this);
        buttons_.addButton(button, index);
        layout->addWidget(button, index / columns, index % columns);
    }
    connect(&buttons_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            KeepTabOnSelectedItem();
            emit itemSelected(index);
        }
    });
}

// Tab enters the group at its selected item and leaves it from there; the arrow keys select the
// other items.
void RadioGroup::KeepTabOnSelectedItem() {
    for (QAbstractButton* button : buttons_.buttons()) {
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void RadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = buttons_.button(index)) {
        button->setChecked(true);
    }
}
