// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/PresetPassWordViewController.h"

#include "info/GuidePages.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"

namespace hv {

PresetPassWordViewController::PresetPassWordViewController(QWidget* parent)
    : GuideWebViewController(&GuidePages::presetPasswordGuide, parent) {
    setObjectName("PresetPassWordViewController");
}

void PresetPassWordViewController::viewDidLoad() {
    setTitle(localized(kKeyPresetPassword));
    GuideWebViewController::viewDidLoad();
}

}  // namespace hv
