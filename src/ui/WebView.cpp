#include "ui/WebView.h"

#include <QFile>
#include <QUrl>

namespace hv {

WebView::WebView(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("webView");
    setOpenExternalLinks(true);
    setFrameShape(QFrame::NoFrame);
    setStyleSheet("QTextBrowser { background: white; padding: 6px; }");
}

bool WebView::loadResource(const QString& path) {
    if (!QFile::exists(path)) return false;
    loaded_ = path;
    setSource(QUrl("qrc" + path));
    return true;
}

}  // namespace hv
