// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QListView>
#include <QStringList>
#include <QTest>

#include "ui/SectionedListModel.h"

namespace hv::test {

// The list (named "tableView") the screen shows; the newest when several are up.
inline QListView* shownList(QWidget* screen) {
    QListView* shown = nullptr;
    for (QListView* list : screen->findChildren<QListView*>("tableView"))
        if (list->isVisibleTo(screen)) shown = list;
    return shown ? shown : screen->findChild<QListView*>("tableView");
}

// The texts the list shows, section headers in brackets: "[A]", "Alice", ...
inline QStringList shownRows(QWidget* screen) {
    QStringList rows;
    const QAbstractItemModel* model = shownList(screen)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const QString text = index.data().toString();
        rows.append(index.data(SectionedListModel::IsHeaderRole).toBool() ? "[" + text + "]"
                                                                          : text);
    }
    return rows;
}

// Clicks the entry (never a header) that shows the text, and lets the event loop turn once;
// a failure when no entry shows it.
inline void tapRow(QWidget* screen, const QString& text) {
    QListView* list = shownList(screen);
    ASSERT_NE(list, nullptr) << "no list on screen";
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        if (index.data().toString() != text ||
            index.data(SectionedListModel::IsHeaderRole).toBool())
            continue;
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
        QTest::qWait(0);
        return;
    }
    ADD_FAILURE() << "no row " << text.toStdString();
}

}  // namespace hv::test
