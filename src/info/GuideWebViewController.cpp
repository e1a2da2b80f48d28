#include "info/GuideWebViewController.h"

#include "info/GuidePages.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "ui/WebView.h"

namespace hv {

GuideWebViewController::GuideWebViewController(PageChooser choosePage, QWidget* parent)
    : ViewController(parent), choosePage_(std::move(choosePage)) {}

void GuideWebViewController::viewDidLoad() {
    webView_ = new WebView(this);
    webView_->setGeometry(rect());
    webView_->show();
    const QString page = choosePage_(localized(kKeyInternational));
    webView_->loadResource(GuidePages::resourcePath(page));
}

void GuideWebViewController::resizeEvent(QResizeEvent*) {
    if (webView_) webView_->setGeometry(rect());
}

}  // namespace hv
