// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFile>

#include "info/GuidePages.h"
#include "info/PresetPassWordViewController.h"
#include "info/USingHelpWebViewController.h"
#include "platform/Localization.h"
#include "ui/NavigationController.h"
#include "ui/WebView.h"
#include "ui/Window.h"

using namespace hv;

static QString loadedPage(GuideWebViewController* guide) {
    Window window;
    window.setRootViewController(new NavigationController(guide));
    window.show();
    return guide->webView()->loadedResource();
}

TEST(InfoScreens, GuidesLoadThePageOfTheLanguage) {
    for (const auto& [language, suffix] :
         {std::pair{"en", "-en"}, std::pair{"zh_CN", ""}, std::pair{"zh_TW", "2"}}) {
        Localization::install(language);
        EXPECT_EQ(loadedPage(new USingHelpWebViewController),
                  QString(":/guides/howfind") + suffix + ".html");
        EXPECT_EQ(loadedPage(new PresetPassWordViewController),
                  QString(":/guides/presetting") + suffix + ".html");
    }
    Localization::install("en");
}

TEST(GuidePages, AnyOtherInternationalTextMeansEnglishAndEveryPageShips) {
    EXPECT_EQ(GuidePages::usageGuide("International"), "howfind-en");
    EXPECT_EQ(GuidePages::presetPasswordGuide("fr"), "presetting-en");
    for (const char* international : {"en", "中国", "中國"}) {
        const QString text = QString::fromUtf8(international);
        for (const QString& page :
             {GuidePages::usageGuide(text), GuidePages::presetPasswordGuide(text)})
            EXPECT_TRUE(QFile::exists(GuidePages::resourcePath(page))) << page.toStdString();
    }
}
