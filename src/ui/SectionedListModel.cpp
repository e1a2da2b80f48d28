// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SectionedListModel.h"

namespace hv {

SectionedListModel::SectionedListModel(QObject* parent) : QAbstractListModel(parent) {}

void SectionedListModel::setSections(std::vector<Section> sections, bool showsHeaders) {
    beginResetModel();
    sections_ = std::move(sections);
    showsHeaders_ = showsHeaders;
    flatten();
    endResetModel();
}

void SectionedListModel::flatten() {
    rows_.clear();
    firstRowOfSection_.clear();
    for (int s = 0; s < int(sections_.size()); ++s) {
        firstRowOfSection_.push_back(int(rows_.size()));
        if (showsHeaders_) rows_.push_back({s, -1});
        for (int e = 0; e < int(sections_[std::size_t(s)].entries.size()); ++e)
            rows_.push_back({s, e});
    }
}

void SectionedListModel::removeEntry(int section, int entry) {
    const int row = rowOfEntry(section, entry);
    if (row < 0) return;
    beginRemoveRows({}, row, row);
    auto& entries = sections_[std::size_t(section)].entries;
    entries.erase(entries.begin() + entry);
    flatten();
    endRemoveRows();
}

int SectionedListModel::entryCount(int section) const {
    if (section < 0 || section >= sectionCount()) return 0;
    return int(sections_[std::size_t(section)].entries.size());
}

QStringList SectionedListModel::sectionIndexTitles() const {
    QStringList titles;
    if (!showsHeaders_) return titles;
    for (const Section& section : sections_) titles.append(section.title);
    return titles;
}

int SectionedListModel::rowOfSection(int section) const {
    if (section < 0 || section >= sectionCount()) return -1;
    const int row = firstRowOfSection_[std::size_t(section)];
    return row < int(rows_.size()) ? row : -1;
}

int SectionedListModel::rowOfEntry(int section, int entry) const {
    if (entry < 0 || entry >= entryCount(section)) return -1;
    return firstRowOfSection_[std::size_t(section)] + (showsHeaders_ ? 1 : 0) + entry;
}

int SectionedListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant SectionedListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FlatRow& row = rows_[std::size_t(index.row())];
    const Section& section = sections_[std::size_t(row.section)];
    switch (role) {
        case IsHeaderRole:
            return row.entry < 0;
        case SectionRole:
            return row.section;
        case EntryRole:
            return row.entry;
        default:
            break;
    }
    if (row.entry < 0)
        return role == Qt::DisplayRole || role == Qt::AccessibleTextRole ? QVariant(section.title)
                                                                         : QVariant();
    const Entry& entry = section.entries[std::size_t(row.entry)];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return entry.text;
        case DetailRole:
        case Qt::AccessibleDescriptionRole:
            return entry.detail;
        case ImageRole:
            return entry.image;
        default:
            return {};
    }
}

Qt::ItemFlags SectionedListModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= int(rows_.size())) return Qt::NoItemFlags;
    // Headers are not rows to stop at: the keyboard's arrows pass over them.
    if (rows_[std::size_t(index.row())].entry < 0) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace hv
