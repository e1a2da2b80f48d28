// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

class QLabel;

namespace hv {

// The main menu's big entry: the picture button with its title and the "SMS" badge in a
// normal and a pressed look (the menu shows exactly one of the two). The title keeps clear
// of the envelope on the right of the picture, in a smaller font when a language's words
// are long.
class NewMessageButton : public QPushButton {
    Q_OBJECT
public:
    explicit NewMessageButton(QWidget* parent = nullptr);

    QLabel* titleLabel() const { return title_; }
    QLabel* badge() const { return badge_; }
    QLabel* pressedBadge() const { return pressedBadge_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The picture fixes the places: the badge at (20, 30), the title at (20, 62).
    void layOutTexts();

    QLabel* title_;
    QLabel* badge_;
    QLabel* pressedBadge_;
};

}  // namespace hv
