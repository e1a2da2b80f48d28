// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Localization.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace hv {

namespace {

std::unique_ptr<QTranslator>& installedTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

QString localized(const char* key) {
    return qtTrId(key);
}

QString Localization::chooseLanguage(const QString& requested) {
    QString name = requested.isEmpty() ? QLocale::system().name() : requested;
    name = name.section('.', 0, 0).section('@', 0, 0).replace('-', '_');
    const QString lower = name.toLower();
    if (!lower.startsWith("zh")) return "en";
    // Traditional script: Taiwan, Hong Kong, Macao, or an explicit Hant.
    if (lower.contains("hant") || lower.endsWith("_tw") || lower.endsWith("_hk") ||
        lower.endsWith("_mo"))
        return "zh_TW";
    return "zh_CN";
}

bool Localization::install(const QString& language) {
    auto& translator = installedTranslator();
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator = std::make_unique<QTranslator>();
    if (!translator->load(":/i18n/hushvault_" + language + ".qm")) return false;
    return QCoreApplication::installTranslator(translator.get());
}

QString Localization::installedLanguage() {
    const auto& translator = installedTranslator();
    return translator && !translator->language().isEmpty() ? translator->language() : "en";
}

bool Localization::hasText(const char* key) {
    const auto& translator = installedTranslator();
    return translator && !translator->translate(nullptr, key).isEmpty();
}

QStringList Localization::shippedLanguages() {
    return {"en", "zh_CN", "zh_TW"};
}

}  // namespace hv
