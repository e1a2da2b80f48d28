// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/AdminPasswordSteps.h"

#include "access/PassCodeResult.h"
#include "store/TextLength.h"

namespace hv {

namespace {

int& counter() {
    static int settingTime = 0;
    return settingTime;
}

}  // namespace

AdminPasswordSteps::AdminPasswordSteps(std::string passWordOld)
    : passWordOld_(std::move(passWordOld)) {}

int AdminPasswordSteps::settingTime() {
    return counter();
}

void AdminPasswordSteps::forgetSteps() {
    counter() = 0;
}

AdminPasswordSteps::Outcome AdminPasswordSteps::enter(const std::string& typed) {
    int& settingTime = ++counter();
    if (utf16Length(passWordOld_) < 4) {  // set mode
        if (settingTime % 2 != 0) {
            passWordNew_ = typed;
            return {kPassCodeConfirmAdmin, std::nullopt, false};
        }
        if (typed == passWordNew_) return {kPassCodeSaved, typed, false};
        passWordNew_.clear();
        return {kPassCodeMismatch, std::nullopt, false};
    }
    switch (settingTime % 3) {  // change mode; a negative count cannot arise
        case 1:
            if (typed == passWordOld_) return {kPassCodeEnterNew, std::nullopt, false};
            settingTime = 0;
            return {kPassCodeWrongOld, std::nullopt, false};
        case 2:
            passWordNew_ = typed;
            return {kPassCodeConfirmNew, std::nullopt, false};
        default:
            if (typed == passWordNew_) return {kPassCodeSaved, typed, true};
            passWordNew_.clear();
            return {kPassCodeConfirmAdmin, std::nullopt, false};
    }
}

}  // namespace hv
