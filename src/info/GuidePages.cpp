// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/GuidePages.h"

#include "platform/LocalizationKeys.h"

namespace hv {

namespace {

QString pageFor(const QString& international, const char* simplified, const char* traditional,
                const char* english) {
    if (international == QString::fromUtf8(kInternationalSimplified)) return simplified;
    if (international == QString::fromUtf8(kInternationalTraditional)) return traditional;
    return english;
}

}  // namespace

QString GuidePages::usageGuide(const QString& international) {
    return pageFor(international, "howfind", "howfind2", "howfind-en");
}

QString GuidePages::presetPasswordGuide(const QString& international) {
    return pageFor(international, "presetting", "presetting2", "presetting-en");
}

QString GuidePages::resourcePath(const QString& page) {
    return ":/guides/" + page + ".html";
}

}  // namespace hv
