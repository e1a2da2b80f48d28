// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QWidget>

class QButtonGroup;

namespace hv {

// A row of segments of which exactly one (or none, -1) is selected.
class SegmentedControl : public QWidget {
    Q_OBJECT
public:
    explicit SegmentedControl(const QStringList& titles, QWidget* parent = nullptr);

    int selectedSegmentIndex() const;
    void setSelectedSegmentIndex(int index);

signals:
    // Emitted when the user selects a segment (a tap, the keyboard, assistive technology's
    // press or toggle), not when the index is set in code.
    void valueChanged(int index);

private:
    QButtonGroup* group_;
    bool settingInCode_ = false;
};

}  // namespace hv
