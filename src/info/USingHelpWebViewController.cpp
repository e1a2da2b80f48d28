// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/USingHelpWebViewController.h"

#include "info/GuidePages.h"

namespace hv {

USingHelpWebViewController::USingHelpWebViewController(QWidget* parent)
    : GuideWebViewController(&GuidePages::usageGuide, parent) {
    setObjectName("USingHelpWebViewController");
}

}  // namespace hv
