// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>

#include "info/AboutUSViewController.h"
#include "info/GuidePages.h"
#include "info/PresetPassWordViewController.h"
#include "info/USingHelpWebViewController.h"
#include "platform/Localization.h"
#include "ui/NavigationController.h"
#include "ui/WebView.h"
#include "ui/Window.h"

using namespace hv;

namespace {

class InfoScreensTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { Localization::install(GetParam()); }
    void TearDown() override { Localization::install("en"); }
};

QString loadedPage(GuideWebViewController* guide) {
    Window window;
    window.setRootViewController(new NavigationController(guide));
    window.show();
    return guide->webView()->loadedResource();
}

}  // namespace

TEST_P(InfoScreensTest, GuidesLoadThePageOfTheLanguage) {
    const QString language = GetParam();
    const QString suffix = language == "en" ? "-en" : language == "zh_CN" ? "" : "2";
    EXPECT_EQ(loadedPage(new USingHelpWebViewController), ":/guides/howfind" + suffix + ".html");
    EXPECT_EQ(loadedPage(new PresetPassWordViewController),
              ":/guides/presetting" + suffix + ".html");
}

TEST_P(InfoScreensTest, AboutScreenShowsTheTextsOfTheLanguage) {
    Window window;
    auto* about = new AboutUSViewController;
    window.setRootViewController(new NavigationController(about));
    window.show();
    const QString language = GetParam();
    EXPECT_EQ(about->findChild<QLabel*>("labelenname")->isVisible(), language == "en");
    EXPECT_EQ(about->findChild<QLabel*>("enCompanyName")->isVisible(), language == "en");
    EXPECT_EQ(about->findChild<QLabel*>("labelchiname")->isVisible(), language != "en");
    EXPECT_EQ(about->findChild<QLabel*>("companyName")->isVisible(), language != "en");
    if (language == "zh_TW") {
        EXPECT_EQ(about->findChild<QLabel*>("labelchiname")->text(), localized("tolvaHiddenMSG1"));
        EXPECT_EQ(about->findChild<QLabel*>("companyName")->text(), localized("companyname"));
    }
    auto* version = about->findChild<QLabel*>("versionLabel");
    ASSERT_NE(version, nullptr);
    EXPECT_TRUE(version->text().startsWith(localized("Version").section('%', 0, 0)));
    EXPECT_FALSE(version->text().contains('%'));
}

INSTANTIATE_TEST_SUITE_P(Languages, InfoScreensTest, ::testing::Values("en", "zh_CN", "zh_TW"));

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
