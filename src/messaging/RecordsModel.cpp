// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/RecordsModel.h"

#include <QSize>

#include "store/HushvaultSqlite.h"

namespace hv {

RecordsModel::RecordsModel(QObject* parent) : QAbstractListModel(parent) {}

void RecordsModel::load(HushvaultSqlite& store, const QString& toLabel,
                        const QString& notSentLabel) {
    beginResetModel();
    array = store.findAllSMS();
    viewArray.clear();
    viewArray.reserve(array.size());
    for (const HiddenMSG& record : array)
        viewArray.push_back(RecordBubble::prepare(record, toLabel, notSentLabel));
    endResetModel();
}

bool RecordsModel::deleteRecord(HushvaultSqlite& store, int row) {
    if (row < 0 || row >= rowCount()) return false;
    store.deleteSMSBySMSid(array[std::size_t(row)].SMS_id);
    // A store that refused (read-only, full, locked) still holds the record: so does the list.
    if (!store.lastError().empty()) return false;
    beginRemoveRows({}, row, row);
    array.erase(array.begin() + row);
    viewArray.erase(viewArray.begin() + row);
    endRemoveRows();
    return true;
}

int RecordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(array.size());
}

QVariant RecordsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const RecordBubble& prepared = viewArray[std::size_t(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return prepared.text;
        case Qt::SizeHintRole:
            // No width of its own: a row is as wide as the list shows it, which is narrower
            // than the screen while a scroll bar is up.
            return QSize(0, RecordBubble::kHeaderHeight + prepared.rowHeight);
        case BubbleRole:
            return QVariant::fromValue(&prepared);
        default:
            return {};
    }
}

}  // namespace hv
