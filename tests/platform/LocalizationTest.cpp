// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Localization.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QXmlStreamReader>

#include "platform/LocalizationKeys.h"
#include "sms/MessageReader.h"
#include "sms/SmsBody.h"

namespace Localization = hv::Localization;
using hv::localized;

class LocalizationTest : public ::testing::Test {
protected:
    ~LocalizationTest() override { Localization::install("en"); }
};

TEST_F(LocalizationTest, EveryLanguageGivesEveryKeyAText) {
    for (const QString& language : Localization::shippedLanguages()) {
        ASSERT_TRUE(Localization::install(language)) << language.toStdString();
        for (const char* key : hv::kAllLocalizationKeys)
            EXPECT_TRUE(Localization::hasText(key)) << language.toStdString() << " " << key;
        EXPECT_FALSE(Localization::hasText("No such key"));
    }
}

TEST_F(LocalizationTest, EachTranslationFileHoldsExactlyTheKeys) {
    QSet<QString> keys;
    for (const char* key : hv::kAllLocalizationKeys) keys.insert(key);
    for (const QString& language : Localization::shippedLanguages()) {
        QFile file(QString(HV_I18N_DIR "/hushvault_%1.ts").arg(language));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        QSet<QString> ids;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("message"))
                ids.insert(xml.attributes().value("id").toString());
        }
        EXPECT_FALSE(xml.hasError()) << language.toStdString();
        for (const QString& missing : keys - ids)
            ADD_FAILURE() << language.toStdString() << " lacks " << missing.toStdString();
        for (const QString& extra : ids - keys)
            ADD_FAILURE() << language.toStdString() << " has unknown " << extra.toStdString();
    }
}

TEST_F(LocalizationTest, InternationalNamesTheLanguage) {
    Localization::install("en");
    EXPECT_EQ(localized(hv::kKeyInternational), "en");
    Localization::install("zh_CN");
    EXPECT_EQ(localized(hv::kKeyInternational), QString::fromUtf8("中国"));
    Localization::install("zh_TW");
    EXPECT_EQ(localized(hv::kKeyInternational), QString::fromUtf8("中國"));
    EXPECT_EQ(localized("No such key"), "No such key");
    // hushvault-cli, which has no translations, labels its messages like the English app.
    Localization::install("en");
    EXPECT_EQ(localized("hiddenMSG"), hv::SmsBody::kDefaultLabel);
    EXPECT_EQ(localized("The decrypted message"), hv::MessageReader::kDefaultLabel);
}

TEST_F(LocalizationTest, ChoosesTheShippedLanguageForALocale) {
    EXPECT_EQ(Localization::chooseLanguage("zh_CN.UTF-8"), "zh_CN");
    EXPECT_EQ(Localization::chooseLanguage("zh_SG"), "zh_CN");
    EXPECT_EQ(Localization::chooseLanguage("zh_HK"), "zh_TW");
    EXPECT_EQ(Localization::chooseLanguage("zh-Hant-TW"), "zh_TW");
    EXPECT_EQ(Localization::chooseLanguage("de_DE@euro"), "en");
    EXPECT_EQ(Localization::chooseLanguage("C"), "en");
}
