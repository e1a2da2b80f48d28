// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace hv {

// The text of a localisation key in the installed language; a key without a text gives
// the key itself.
QString localized(const char* key);

// The translations that ship with the application: English ("en"), Simplified Chinese
// ("zh_CN") and Traditional Chinese ("zh_TW"). Installing one replaces the previous one.
namespace Localization {

// The shipped language for a requested one ("--lang", a locale name such as
// "zh_HK.UTF-8") or, when empty, for the system locale. Unknown languages give "en".
QString chooseLanguage(const QString& requested);

// Loads the language's translations into the application. False when they could not
// be loaded; keys then show as themselves.
bool install(const QString& language);
// The installed language ("en", "zh_CN", "zh_TW"), or "en" when none is.
QString installedLanguage();
// True when the installed language gives the key a text of its own.
bool hasText(const char* key);

QStringList shippedLanguages();

}  // namespace Localization

}  // namespace hv
