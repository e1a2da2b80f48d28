// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContactsTestBase.h"

#include <QTest>

#include "platform/Localization.h"
#include "platform/NotificationNames.h"
#include "store/StartupSequence.h"

namespace hv::test {

ContactsTestBase::ContactsTestBase() {
    Localization::install("en");
    StartupSequence::run(store, "1.0", 0);
    auto& center = NotificationCenter::defaultCenter();
    center.addObserver(&observer, kNotificationGetContractInfo, [this](const Notification& n) {
        handed.push_back(n.object.value<Contacts>());
    });
    center.addObserver(&observer, kNotificationHidden,
                       [this](const Notification& n) { hidden.append(n.object.toString()); });
}

ContactsTestBase::~ContactsTestBase() {
    NotificationCenter::defaultCenter().removeObserver(&observer);
}

ABPerson ContactsTestBase::person(std::string composite, std::vector<std::string> phones,
                                  std::string first, std::string middle, std::string last) {
    return ABPerson{std::move(composite), std::move(first), std::move(middle), std::move(last),
                    std::move(phones)};
}

QListView* ContactsTestBase::listOf(QWidget* screen) {
    for (QListView* list : screen->findChildren<QListView*>("tableView"))
        if (list->isVisibleTo(screen)) return list;
    return screen->findChild<QListView*>("tableView");
}

QStringList ContactsTestBase::shownRows(QWidget* screen) {
    QStringList rows;
    const QAbstractItemModel* model = listOf(screen)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const QString text = index.data().toString();
        rows.append(index.data(SectionedListModel::IsHeaderRole).toBool() ? "[" + text + "]"
                                                                          : text);
    }
    return rows;
}

void ContactsTestBase::tapRow(QWidget* screen, const QString& text) {
    QListView* list = listOf(screen);
    const QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (index.data().toString() != text ||
            index.data(SectionedListModel::IsHeaderRole).toBool())
            continue;
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
        return;
    }
    ADD_FAILURE() << "no row " << text.toStdString();
}

}  // namespace hv::test
