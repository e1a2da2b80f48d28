// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contacts/DeleteContactQuestion.h"

#include "platform/LocalizationKeys.h"
#include "ui/AlertView.h"

namespace hv {

namespace {

constexpr const char* kTitle = "提示";
constexpr const char* kMessage = "你确实要删除此联系人";

}  // namespace

AlertView* DeleteContactQuestion::ask(std::function<void()> confirmed) {
    auto* alert = new AlertView(nullptr, nullptr, kKeyCancel, {kKeyDone},
                                [confirmed = std::move(confirmed)](AlertView*, int index) {
                                    if (index == 1) confirmed();
                                });
    alert->setTitleText(QString::fromUtf8(kTitle));
    alert->setMessageText(QString::fromUtf8(kMessage));
    alert->setTag(kTag);
    alert->show();
    return alert;
}

}  // namespace hv
