// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

namespace hv {

// A ring around a widget while the keyboard is on it (reached with Tab), for widgets
// whose look is a picture that a style sheet cannot outline. It owns nothing, takes no
// clicks, and goes with the widget.
class FocusRing : public QFrame {
    Q_OBJECT
public:
    // Watches `target` and draws the ring with the given corner radius.
    static void attach(QWidget* target, int radius);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FocusRing(QWidget* target, int radius);

    QWidget* target_;
};

}  // namespace hv
