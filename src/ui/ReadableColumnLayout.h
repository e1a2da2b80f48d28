// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLayout>

namespace hv {

// Lays out one widget over the whole width it is given up to a readable width, and centred
// in a wider room, the way phone apps show on a desktop: lines of text and rows of a list
// stay short enough to read. The height is always the whole.
class ReadableColumnLayout : public QLayout {
    Q_OBJECT
public:
    explicit ReadableColumnLayout(QWidget* parent = nullptr);
    ~ReadableColumnLayout() override;

    // The column's widest, in points (the window's readable width unless set).
    void setMaximumColumnWidth(int width);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect& rect) override;

private:
    QLayoutItem* item_ = nullptr;
    int maximumColumnWidth_;
};

}  // namespace hv
