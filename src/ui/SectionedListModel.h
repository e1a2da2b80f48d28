// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

namespace hv {

// The rows of a list in sections, flattened for a list view: each section shown with a
// header row gives that row and then its entries. Entries carry a main text, a detail
// text and an image (a resource path); what they stand for stays with the caller, who
// finds an entry again by its section and its place in the section.
class SectionedListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        DetailRole = Qt::UserRole + 1,
        ImageRole,     // resource path of the row's image, empty for none
        IsHeaderRole,  // true on a section's header row
        SectionRole,   // the row's section
        EntryRole,     // the entry's place in its section; -1 on a header
    };

    struct Entry {
        QString text;
        QString detail;
        QString image;
    };
    struct Section {
        QString title;
        std::vector<Entry> entries;
    };

    explicit SectionedListModel(QObject* parent = nullptr);

    // Replaces everything. Without headers (search results) no header rows are shown and
    // there is no section index.
    void setSections(std::vector<Section> sections, bool showsHeaders = true);
    // Takes one entry out; its section stays, with its header, even when emptied.
    void removeEntry(int section, int entry);

    int sectionCount() const { return int(sections_.size()); }
    int entryCount(int section) const;
    bool showsHeaders() const { return showsHeaders_; }
    // The titles of the section index: the section titles, or none without headers.
    QStringList sectionIndexTitles() const;
    // The flat row of a section's header (or its first entry without headers); -1 if none.
    int rowOfSection(int section) const;
    // The flat row of an entry, or -1.
    int rowOfEntry(int section, int entry) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct FlatRow {
        int section;
        int entry;  // -1: the header
    };
    void flatten();

    std::vector<Section> sections_;
    std::vector<FlatRow> rows_;
    std::vector<int> firstRowOfSection_;
    bool showsHeaders_ = true;
};

}  // namespace hv
