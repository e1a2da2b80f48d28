// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QScrollArea>

class QVBoxLayout;

namespace hv {

class TableRow;

// A scrolling list of sections of rows on the grouped background, as settings-style
// screens show them.
class GroupedTableView : public QScrollArea {
    Q_OBJECT
public:
    explicit GroupedTableView(QWidget* parent = nullptr);

    // Starts a new section, with a header text when one is given.
    void addSection(const QString& header = {});
    // Adds a row to the last section (starting one when there is none).
    TableRow* addRow();
    QList<TableRow*> rows() const;
    void clear();

protected:
    // On a wide screen the rows keep to a readable width in the middle; the background and
    // the scrolling take the whole.
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* content_;
    QVBoxLayout* layout_;
    QVBoxLayout* section_ = nullptr;
};

}  // namespace hv
