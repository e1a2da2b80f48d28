// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace hv {

// The bundled page of a guide for the language that the text of "International" names:
// "中国" Simplified Chinese, "中國" Traditional Chinese, anything else English.
namespace GuidePages {

QString usageGuide(const QString& international);
QString presetPasswordGuide(const QString& international);
// The resource path of a page name, e.g. ":/guides/howfind-en.html".
QString resourcePath(const QString& page);

}  // namespace GuidePages

}  // namespace hv
