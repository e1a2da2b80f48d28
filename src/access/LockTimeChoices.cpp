// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/LockTimeChoices.h"

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "store/NumberText.h"

namespace hv {

QStringList LockTimeChoices::values() {
    return {"0", "1", "5", "30", "100000"};
}

QString LockTimeChoices::detailFor(const QString& value) {
    const int minutes = leadingInt32(value.toStdString());
    if (minutes == 0) return localized(kKeyImmediately);
    if (minutes == 1) return value + localized(kKeyMinute);
    if (minutes >= 2 && minutes <= 59) return value + localized(kKeyMinutes);
    if (minutes > 60) return localized(kKeyNever);
    return {};
}

QStringList LockTimeChoices::rowTitles() {
    return {localized(kKeyImmediately), "1" + localized(kKeyMinute), "5" + localized(kKeyMinutes),
            "30" + localized(kKeyMinutes), localized(kKeyNever)};
}

}  // namespace hv
