#include "info/USingHelpWebViewController.h"

#include "info/GuidePages.h"

namespace hv {

USingHelpWebViewController::USingHelpWebViewController(QWidget* parent)
    : GuideWebViewController(&GuidePages::usageGuide, parent) {
    setObjectName("USingHelpWebViewController");
}

}  // namespace hv
