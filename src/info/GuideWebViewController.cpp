// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/GuideWebViewController.h"

#include "info/GuidePages.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/WebView.h"

namespace hv {

GuideWebViewController::GuideWebViewController(PageChooser choosePage, QWidget* parent)
    : ViewController(parent), choosePage_(std::move(choosePage)) {}

void GuideWebViewController::viewDidLoad() {
    webView_ = new WebView;
    webView_->setAccessibleName(title());
    setContentView(webView_);
    const QString page = choosePage_(localized(kKeyInternational));
    webView_->loadResource(GuidePages::resourcePath(page));
}

}  // namespace hv
