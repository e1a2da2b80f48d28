// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WebView.h"

#include <QFile>
#include <QUrl>

#include "ui/Style.h"

namespace hv {

WebView::WebView(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("webView");
    setOpenExternalLinks(true);
    setFrameShape(QFrame::NoFrame);
    Style::apply(this, Style::Role::WebView);
}

bool WebView::loadResource(const QString& path) {
    if (!QFile::exists(path)) return false;
    loaded_ = path;
    setSource(QUrl("qrc" + path));
    return true;
}

}  // namespace hv
