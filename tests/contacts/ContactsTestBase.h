// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QListView>
#include <QStringList>
#include <vector>

#include "platform/ContactsMetaType.h"
#include "platform/NotificationCenter.h"
#include "store/HushvaultSqlite.h"
#include "support/FakeAddressBook.h"
#include "support/ScreenHost.h"
#include "support/TempDir.h"
#include "support/ui/ListRows.h"
#include "ui/SectionedListModel.h"

namespace hv::test {

// A store, an address book, a phone window, and every "getContractInfo" and "hidden"
// notification posted while the test runs.
class ContactsTestBase : public ::testing::Test {
protected:
    ContactsTestBase();
    ~ContactsTestBase() override;

    static ABPerson person(std::string composite, std::vector<std::string> phones,
                           std::string first = {}, std::string middle = {}, std::string last = {});

    TempDir dir;
    HushvaultSqlite store{dir.path()};
    FakeAddressBook addressBook;
    ScreenHost host;
    std::vector<Contacts> handed;  // "getContractInfo"
    QStringList hidden;            // "hidden"
    QObject observer;
};

}  // namespace hv::test
