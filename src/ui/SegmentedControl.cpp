// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SegmentedControl.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScopedValueRollback>

#include "ui/Style.h"

namespace hv {

SegmentedControl::SegmentedControl(const QStringList& titles, QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)) {
    setObjectName("segmentedControl");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < titles.size(); ++i) {
        auto* button = new QPushButton(titles[i], this);
        button->setObjectName(QString("segment%1").arg(i));
        button->setCheckable(true);
        Style::apply(button, Style::Role::SegmentButton);
        group_->addButton(button, i);
        layout->addWidget(button);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && !settingInCode_) emit valueChanged(id);
    });
}

int SegmentedControl::selectedSegmentIndex() const {
    return group_->checkedId();
}

void SegmentedControl::setSelectedSegmentIndex(int index) {
    const QScopedValueRollback inCode(settingInCode_, true);
    if (QAbstractButton* button = group_->button(index)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = group_->checkedButton()) {
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
    }
}

}  // namespace hv
