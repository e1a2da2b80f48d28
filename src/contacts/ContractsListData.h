// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "addressbook/ABContact.h"
#include "addressbook/LocalizedCompare.h"
#include "addressbook/NameSearch.h"
#include "addressbook/NameSections.h"
#include "store/Contacts.h"
#include "ui/SectionedListModel.h"

namespace hv {

class AddressBook;

// What the contact list shows: the secret contacts ("Friends") or the address book's
// persons ("All") in sections by name, and while a search is on, the entries whose name
// holds the search text, in display order. Rows are prepared when entries are loaded, so
// that a keystroke of a search costs one pass over folded names.
class ContractsListData {
public:
    enum class Kind { Friends, All };

    // locale: the ICU locale the names are sorted for ("en", "zh_CN").
    explicit ContractsListData(const std::string& locale);

    // Sorted and cut into sections; the search ends.
    void loadFriends(std::vector<Contacts> contacts);
    void loadAll(const AddressBook& book);

    Kind kind() const { return kind_; }
    bool isEmpty() const;
    // The section keys in display order ("#" first): headers and index titles.
    QStringList keys() const;
    std::vector<SectionedListModel::Section> sections() const;

    // A non-empty text starts or narrows a search; an empty one ends it.
    void search(const QString& text);
    void endSearch();
    bool isSearching() const { return searching_; }
    // The search results as one section without a title.
    std::vector<SectionedListModel::Section> results() const;
    int resultCount() const { return int(results_.size()); }

    // The entry shown at a place: a section and an entry in it, or (while searching)
    // section 0 and a result. Null for a place that holds none of that kind.
    const Contacts* contactAt(int section, int entry) const;
    const ABContact* personAt(int section, int entry) const;
    // Takes a secret contact out (its section stays, even when emptied).
    void removeAt(int section, int entry);

private:
    struct Place {
        int section;
        int entry;
    };
    std::optional<Place> placeOf(int section, int entry) const;
    void prepareRows();
    const NameSearch& searchIndex();

    LocalizedCompare compare_;
    Kind kind_ = Kind::Friends;
    std::vector<NameSection<Contacts>> friends_;
    std::vector<NameSection<ABContact>> people_;
    std::vector<SectionedListModel::Section> rows_;      // what the sections show
    std::vector<SectionedListModel::Entry> searchRows_;  // each entry in a result, flat
    std::vector<Place> flat_;                            // every entry, display order
    std::optional<NameSearch> searchIndex_;
    std::vector<std::size_t> results_;  // into flat_
    bool searching_ = false;
};

}  // namespace hv
