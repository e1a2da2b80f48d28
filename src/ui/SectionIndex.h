// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QWidget>

namespace hv {

// The narrow column of section titles ("A", "B", ... "#") at a list's right edge;
// touching or dragging over a title reports its index.
class SectionIndex : public QWidget {
    Q_OBJECT
public:
    explicit SectionIndex(QWidget* parent = nullptr);

    void setTitles(const QStringList& titles);
    QStringList titles() const { return titles_; }
    // The index of the title at a height inside the widget, or -1.
    int indexAt(int y) const;

    QSize sizeHint() const override { return {18, 200}; }

signals:
    void sectionSelected(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QStringList titles_;
    int last_ = -1;
};

}  // namespace hv
