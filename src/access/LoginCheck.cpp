// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/LoginCheck.h"

#include "access/PassCodeResult.h"

namespace hv {

int checkLogin(const std::optional<std::string>& stored, const std::string& typed) {
    if (!stored || stored->empty()) return kPassCodeNoPassword;
    return typed == *stored ? kPassCodeLoggedIn : kPassCodeWrongAdmin;
}

}  // namespace hv
