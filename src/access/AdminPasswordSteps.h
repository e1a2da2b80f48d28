// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace hv {

// One entry at a time of setting or changing the administrator password. The step
// counter is shared by every administrator password screen of the process: set mode
// reads its parity, change mode its remainder modulo 3, and a wrong old password sets it
// back to 0. The counter is also set back when the screen that made the entries goes
// away (forgetSteps): a change left half done after a correct old password must not let
// the next person set a new password without knowing the old one. Used on the UI thread.
class AdminPasswordSteps {
public:
    struct Outcome {
        int code = 0;                      // a PassCodeResult code
        std::optional<std::string> store;  // the password to write as "PassWord"
        bool announceChange = false;       // post "lockTime" with "passWord"
    };

    // passWordOld: the stored password when the screen appeared (under 4 characters: none).
    explicit AdminPasswordSteps(std::string passWordOld = {});

    void setPassWordOld(std::string passWordOld) { passWordOld_ = std::move(passWordOld); }
    Outcome enter(const std::string& typed);

    static int settingTime();
    // The screen that made the entries went away (or the process is new): the next entry
    // starts a cycle afresh, with the old password in change mode.
    static void forgetSteps();

private:
    std::string passWordOld_;
    std::string passWordNew_;
};

}  // namespace hv
