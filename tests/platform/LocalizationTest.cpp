// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Localization.h"

#include <gtest/gtest.h>

#include "platform/LocalizationKeys.h"
#include "sms/MessageReader.h"
#include "sms/SmsBody.h"

using namespace hv;

TEST(Localization, EveryLanguageGivesEveryKeyATextAndAMissingKeyIsItself) {
    for (const QString& language : Localization::shippedLanguages()) {
        EXPECT_TRUE(Localization::install(language)) << language.toStdString();
        for (const char* key : kAllLocalizationKeys)
            EXPECT_TRUE(Localization::hasText(key)) << language.toStdString() << " " << key;
        EXPECT_FALSE(Localization::hasText("No such key"));
        EXPECT_EQ(localized("No such key"), "No such key");
    }
    // hushvault-cli, which has no translations, labels its messages like the English app.
    Localization::install("en");  // also for the tests after this one
    EXPECT_EQ(localized("hiddenMSG"), SmsBody::kDefaultLabel);
    EXPECT_EQ(localized("The decrypted message"), MessageReader::kDefaultLabel);
}

TEST(Localization, ChoosesTheShippedLanguageForALocale) {
    EXPECT_EQ(Localization::chooseLanguage("zh_CN.UTF-8"), "zh_CN");
    EXPECT_EQ(Localization::chooseLanguage("zh_SG"), "zh_CN");
    EXPECT_EQ(Localization::chooseLanguage("zh_HK"), "zh_TW");
    EXPECT_EQ(Localization::chooseLanguage("zh-Hant-TW"), "zh_TW");
    EXPECT_EQ(Localization::chooseLanguage("de_DE@euro"), "en");
    EXPECT_EQ(Localization::chooseLanguage("C"), "en");
}
