// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace hv {

// The screen that keeps the login flag (the main menu), as the access screens see it.
class LoginListener {
public:
    virtual ~LoginListener() = default;
    virtual bool IsLogin() const = 0;
    virtual void setIsLogin(bool flag) = 0;
    // A login finished; the listener may resume what asked for it.
    virtual void finishedLogin(bool flag) = 0;
};

}  // namespace hv
