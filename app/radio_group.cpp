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
            emit itemSelected(index);
        }
    });
}

void RadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = buttons_.button(index)) {
        button->setChecked(true);
    }
}
