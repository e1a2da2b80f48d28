// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/SettingNotSaved.h"

#include "platform/LocalizationKeys.h"
#include "ui/AlertView.h"

namespace hv {

void SettingNotSaved::show() {
    (new AlertView(kKeyWarning, kKeySettingNotSaved, kKeySure, {}))->show();
}

}  // namespace hv
