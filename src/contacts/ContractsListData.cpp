// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contacts/ContractsListData.h"

#include <algorithm>

#include "addressbook/ABContactsHelper.h"
#include "peoplepicker/PersonRows.h"

namespace hv {

namespace {

SectionedListModel::Entry contactRow(const Contacts& contact, bool withImage) {
    static const QString kKey = QStringLiteral(":/images/key.png");
    static const QString kBlank = QStringLiteral(":/images/blank.png");
    SectionedListModel::Entry row{
        QString::fromStdString(contact.name), QString::fromStdString(contact.telePhoneNumber), {}};
    if (withImage) row.image = contact.passWord.empty() ? kBlank : kKey;
    return row;
}

}  // namespace

ContractsListData::ContractsListData(const std::string& locale) : compare_(locale) {}

void ContractsListData::loadFriends(std::vector<Contacts> contacts) {
    kind_ = Kind::Friends;
    people_.clear();
    friends_ = NameSections::make(
        std::move(contacts), [](const Contacts& c) -> const std::string& { return c.name; },
        compare_);
    prepareRows();
}

void ContractsListData::loadAll(const AddressBook& book) {
    kind_ = Kind::All;
    friends_.clear();
    people_ = ABContactsHelper::contactsDict(book, compare_);
    prepareRows();
}

void ContractsListData::prepareRows() {
    rows_.clear();
    searchRows_.clear();
    flat_.clear();
    searchIndex_.reset();
    results_.clear();
    searching_ = false;
    if (kind_ == Kind::All) {
        rows_ = PersonRows::sections(people_);
        for (int s = 0; s < int(people_.size()); ++s)
            for (int e = 0; e < int(people_[std::size_t(s)].entries.size()); ++e) {
                flat_.push_back({s, e});
                searchRows_.push_back(
                    PersonRows::searchEntry(people_[std::size_t(s)].entries[std::size_t(e)]));
            }
        return;
    }
    for (int s = 0; s < int(friends_.size()); ++s) {
        const auto& section = friends_[std::size_t(s)];
        SectionedListModel::Section shown{QString::fromStdString(section.key), {}};
        for (int e = 0; e < int(section.entries.size()); ++e) {
            const Contacts& contact = section.entries[std::size_t(e)];
            shown.entries.push_back(contactRow(contact, true));
            flat_.push_back({s, e});
            searchRows_.push_back(contactRow(contact, false));
        }
        rows_.push_back(std::move(shown));
    }
}

bool ContractsListData::isEmpty() const {
    return flat_.empty();
}

QStringList ContractsListData::keys() const {
    QStringList keys;
    for (const auto& section : rows_) keys.append(section.title);
    return keys;
}

std::vector<SectionedListModel::Section> ContractsListData::sections() const {
    return rows_;
}

const NameSearch& ContractsListData::searchIndex() {
    if (!searchIndex_) {
        std::vector<std::string> names;
        names.reserve(flat_.size());
        for (const Place& place : flat_)
            names.push_back(
                kind_ == Kind::All
                    ? people_[std::size_t(place.section)]
                          .entries[std::size_t(place.entry)]
                          .compositeName()
                    : friends_[std::size_t(place.section)].entries[std::size_t(place.entry)].name);
        searchIndex_.emplace(names);
    }
    return *searchIndex_;
}

void ContractsListData::search(const QString& text) {
    if (text.isEmpty()) {
        endSearch();
        return;
    }
    searching_ = true;
    results_ = searchIndex().matches(text.toStdString());
}

void ContractsListData::endSearch() {
    searching_ = false;
    results_.clear();
}

std::vector<SectionedListModel::Section> ContractsListData::results() const {
    SectionedListModel::Section section;
    section.entries.reserve(results_.size());
    for (std::size_t at : results_) section.entries.push_back(searchRows_[at]);
    std::vector<SectionedListModel::Section> sections;
    sections.push_back(std::move(section));
    return sections;
}

std::optional<ContractsListData::Place> ContractsListData::placeOf(int section, int entry) const {
    if (searching_) {
        if (section != 0 || entry < 0 || entry >= int(results_.size())) return std::nullopt;
        return flat_[results_[std::size_t(entry)]];
    }
    if (section < 0 || section >= int(rows_.size()) || entry < 0 ||
        entry >= int(rows_[std::size_t(section)].entries.size()))
        return std::nullopt;
    return Place{section, entry};
}

const Contacts* ContractsListData::contactAt(int section, int entry) const {
    const auto place = placeOf(section, entry);
    if (!place || kind_ != Kind::Friends) return nullptr;
    return &friends_[std::size_t(place->section)].entries[std::size_t(place->entry)];
}

const ABContact* ContractsListData::personAt(int section, int entry) const {
    const auto place = placeOf(section, entry);
    if (!place || kind_ != Kind::All) return nullptr;
    return &people_[std::size_t(place->section)].entries[std::size_t(place->entry)];
}

void ContractsListData::removeAt(int section, int entry) {
    const auto place = placeOf(section, entry);
    if (!place || kind_ != Kind::Friends) return;
    const auto s = std::size_t(place->section);
    const auto e = std::size_t(place->entry);
    friends_[s].entries.erase(friends_[s].entries.begin() + std::ptrdiff_t(e));
    rows_[s].entries.erase(rows_[s].entries.begin() + std::ptrdiff_t(e));

    // The flat list loses the entry; later entries of its section move up one place.
    const auto gone =
        std::size_t(std::find_if(flat_.begin(), flat_.end(),
                                 [&](const Place& p) {
                                     return p.section == place->section && p.entry == place->entry;
                                 }) -
                    flat_.begin());
    flat_.erase(flat_.begin() + std::ptrdiff_t(gone));
    searchRows_.erase(searchRows_.begin() + std::ptrdiff_t(gone));
    for (std::size_t i = gone; i < flat_.size() && flat_[i].section == place->section; ++i)
        --flat_[i].entry;
    std::vector<std::size_t> kept;
    for (std::size_t at : results_)
        if (at != gone) kept.push_back(at > gone ? at - 1 : at);
    results_ = std::move(kept);
    searchIndex_.reset();
}

}  // namespace hv
