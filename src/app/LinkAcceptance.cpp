// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/LinkAcceptance.h"

#include "crypto/SecretLink.h"

namespace hv {

bool LinkAcceptance::accepts(const QString& link) {
    const QString prefix =
        QString::fromLatin1(SECRETOPENURL.data(), qsizetype(SECRETOPENURL.size()));
    if (link.size() < prefix.size() + 4) return false;
    // Letter case is ignored for ASCII letters only: a look-alike such as "ſ" folds to
    // "s" but is longer in UTF-8, and the reader cuts the prefix off by its byte length.
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        const QChar c = link.at(i);
        if (c.unicode() >= 0x80 || c.toLower() != prefix.at(i)) return false;
    }
    return true;
}

}  // namespace hv
