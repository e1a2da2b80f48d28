// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ContactsTestBase.h"

#include "platform/NotificationNames.h"

namespace hv::test {

ContactsTestBase::ContactsTestBase() {
    auto& center = NotificationCenter::defaultCenter();
    center.addObserver(&observer, kNotificationGetContractInfo, [this](const Notification& n) {
        handed.push_back(n.object.value<Contacts>());
    });
}

ContactsTestBase::~ContactsTestBase() {
    NotificationCenter::defaultCenter().removeObserver(&observer);
}

ABPerson ContactsTestBase::person(std::string composite, std::vector<std::string> phones,
                                  std::string first, std::string middle, std::string last) {
    return ABPerson{std::move(composite), std::move(first), std::move(middle), std::move(last),
                    std::move(phones)};
}

}  // namespace hv::test
