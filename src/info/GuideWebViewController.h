// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "ui/ViewController.h"

namespace hv {

class WebView;

// A screen that shows one bundled HTML guide, filling the screen, in the language the
// localisation names. The page is chosen when the screen loads.
class GuideWebViewController : public ViewController {
    Q_OBJECT
public:
    using PageChooser = std::function<QString(const QString& international)>;

    explicit GuideWebViewController(PageChooser choosePage, QWidget* parent = nullptr);

    WebView* webView() const { return webView_; }

protected:
    void viewDidLoad() override;

private:
    PageChooser choosePage_;
    WebView* webView_ = nullptr;
};

}  // namespace hv
