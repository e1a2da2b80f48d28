// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextBrowser>

namespace hv {

// Shows an HTML page bundled with the application (a resource path such as
// ":/guides/howfind-en.html"); links to other bundled pages open inside it, links to the
// web open in the system's browser.
class WebView : public QTextBrowser {
    Q_OBJECT
public:
    explicit WebView(QWidget* parent = nullptr);

    // False when the page is not among the application's resources.
    bool loadResource(const QString& path);
    QString loadedResource() const { return loaded_; }

private:
    QString loaded_;
};

}  // namespace hv
