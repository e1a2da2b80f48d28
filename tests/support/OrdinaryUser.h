// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

namespace hv::test {

// While it lives, this thread meets file permissions as an ordinary user would, also when
// the tests run as root (whose file system rights would read any folder): its file system
// user and group become "nobody", which drops root's rights over files until they are set
// back. Root's other groups still count: what "nobody" is to open needs the same rights
// for the group as for others.
class OrdinaryUser {
public:
    OrdinaryUser() : root_(::geteuid() == 0) {
        if (!root_) return;
        ::setfsgid(kNobody);
        ::setfsuid(kNobody);
    }
    ~OrdinaryUser() {
        if (!root_) return;
        ::setfsuid(0);
        ::setfsgid(0);
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    static constexpr unsigned kNobody = 65534;
    bool root_;
};

}  // namespace hv::test
