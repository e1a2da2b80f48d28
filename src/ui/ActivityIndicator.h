// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QTimer;

namespace hv {

// A small spinning wheel that shows work under way.
class ActivityIndicator : public QWidget {
    Q_OBJECT
public:
    explicit ActivityIndicator(QWidget* parent = nullptr);

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const;

    QSize sizeHint() const override { return {37, 37}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* timer_;
    int step_ = 0;
};

}  // namespace hv
