// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>

#include "store/StorePaths.h"

namespace hv {

class IncomingMessageWatcher;
class Notifier;

// Tells the user that a secret message arrived while Hushvault runs: each received SMS
// holding a secret link raises one notification naming the sender (the secret contact's
// name when the number is theirs, else the number) and never the text or the token, which
// a locked phone would show to anyone. Opening it opens a reader on that message.
class SecretMessageNotices : public QObject {
    Q_OBJECT
public:
    using Open = std::function<void(const QString& link, const QString& sender)>;

    SecretMessageNotices(StorePaths paths, IncomingMessageWatcher& watcher, Notifier& notifier,
                         Open open, QObject* parent = nullptr);

    // A received SMS: a notification when it holds a secret link. True when one was shown.
    bool received(const QString& number, const QString& text);

private:
    struct Pending {
        QString link;
        QString sender;
    };

    StorePaths paths_;
    Notifier& notifier_;
    Open open_;
    std::map<quint32, Pending> pending_;
};

}  // namespace hv
