// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>
#include <vector>

#include "messaging/RecordBubble.h"
#include "store/HiddenMSG.h"

namespace hv {

class HushvaultSqlite;

// The message records of the records screen, newest first, each with its bubble prepared
// when the records are loaded (not when a row is painted). One row per record; the display
// role is the bubble's text, BubbleRole the prepared RecordBubble.
class RecordsModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { BubbleRole = Qt::UserRole + 1 };

    explicit RecordsModel(QObject* parent = nullptr);

    // Reads every record from the store and prepares its bubble; toLabel: the localised "To".
    void load(HushvaultSqlite& store, const QString& toLabel, const QString& notSentLabel = {});
    // Deletes the record of that row from the store and, once the store has, from the
    // list. False when there is no such row or the store refused (the row stays).
    bool deleteRecord(HushvaultSqlite& store, int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<HiddenMSG> array;         // the records, as the store gave them
    std::vector<RecordBubble> viewArray;  // their bubbles, in the same order
};

}  // namespace hv

Q_DECLARE_METATYPE(const hv::RecordBubble*)
