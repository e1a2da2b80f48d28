// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace hv {

// A text field that, while it does not have the keyboard, shows a text too long for it cut
// with an ellipsis at its end, so that a long name does not look whole when it is not.
// Editing shows the whole text as any field does; the text itself is never changed.
class ElidingLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace hv
