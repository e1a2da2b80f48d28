// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SecretMessageNotices.h"

#include "crypto/SecretLink.h"
#include "platform/IncomingMessageWatcher.h"
#include "platform/Localization.h"
#include "platform/LocalizationKeys.h"
#include "platform/Logging.h"
#include "platform/Notifier.h"
#include "store/HushvaultSqlite.h"

namespace hv {

SecretMessageNotices::SecretMessageNotices(StorePaths paths, IncomingMessageWatcher& watcher,
                                           Notifier& notifier, Open open, QObject* parent)
    : QObject(parent), paths_(std::move(paths)), notifier_(notifier), open_(std::move(open)) {
    connect(&watcher, &IncomingMessageWatcher::messageReceived, this,
            &SecretMessageNotices::received);
    connect(&notifier, &Notifier::activated, this, [this](quint32 id) {
        const auto found = pending_.find(id);
        if (found == pending_.end()) return;
        const Pending message = found->second;
        pending_.erase(found);
        if (open_) open_(message.link, message.sender);
    });
}

bool SecretMessageNotices::received(const QString& number, const QString& text) {
    const auto token = secretTokenInMessage(text.toStdString());
    if (!token) return false;
    HushvaultSqlite store(paths_.documentsDirectory());
    const QString name = number.isEmpty()
                             ? QString()
                             : QString::fromStdString(
                                   store.findContractByTelephoneNumber(number.toStdString()).name);
    const QString sender = name.isEmpty() ? number : name;
    const quint32 id = notifier_.notify(localized(kKeySecretMessageFrom).arg(sender));
    qCInfo(lcApp) << "a secret message arrived" << (id ? "and was announced" : "but no notice");
    if (id == 0) return false;
    const QString link =
        QString::fromLatin1(SECRETOPENURL.data(), qsizetype(SECRETOPENURL.size())) +
        QString::fromStdString(*token);
    pending_[id] = Pending{link, number};
    return true;
}

}  // namespace hv
