// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <vector>

#include "platform/ContactsMetaType.h"
#include "platform/NotificationCenter.h"
#include "support/FakeAddressBook.h"
#include "support/ui/ListRows.h"
#include "support/ui/ScreenTest.h"

namespace hv::test {

// The screen-test fixture with an address book, and every "getContractInfo"
// notification posted while the test runs.
class ContactsTestBase : public ScreenTest {
protected:
    ContactsTestBase();
    ~ContactsTestBase() override;

    static ABPerson person(std::string composite, std::vector<std::string> phones,
                           std::string first = {}, std::string middle = {}, std::string last = {});

    FakeAddressBook addressBook;
    std::vector<Contacts> handed;  // "getContractInfo"
    QObject observer;
};

}  // namespace hv::test
