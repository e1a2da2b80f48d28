// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "peoplepicker/PersonRows.h"

#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"

namespace hv {

SectionedListModel::Entry PersonRows::entry(const ABContact& person) {
    static const QString kOneNumber = QStringLiteral(":/images/multinum2.png");
    static const QString kOtherNumbers = QStringLiteral(":/images/multinum3.png");
    SectionedListModel::Entry row;
    row.text = person.compositeName().empty() ? localized(kKeyNoName)
                                              : QString::fromStdString(person.compositeName());
    const auto& phones = person.phoneArray();
    row.image = phones.size() == 1 ? kOneNumber : kOtherNumbers;
    if (phones.size() == 1)
        row.detail = QString::fromStdString(phones.front());
    else if (phones.size() > 1)
        row.detail = QStringLiteral("...");
    return row;
}

SectionedListModel::Entry PersonRows::searchEntry(const ABContact& person) {
    return {QString::fromStdString(person.compositeName()), {}, {}};
}

std::vector<SectionedListModel::Section> PersonRows::sections(
    const std::vector<NameSection<ABContact>>& people) {
    std::vector<SectionedListModel::Section> result;
    result.reserve(people.size());
    for (const auto& section : people) {
        SectionedListModel::Section shown{QString::fromStdString(section.key), {}};
        shown.entries.reserve(section.entries.size());
        for (const ABContact& person : section.entries) shown.entries.push_back(entry(person));
        result.push_back(std::move(shown));
    }
    return result;
}

}  // namespace hv
