// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>

namespace hv {

// An on/off switch; a tap flips it and emits `toggled`.
class SwitchControl : public QAbstractButton {
    Q_OBJECT
public:
    explicit SwitchControl(QWidget* parent = nullptr);

    bool isOn() const { return isChecked(); }
    void setOn(bool on) { setChecked(on); }

    QSize sizeHint() const override { return {51, 31}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace hv
