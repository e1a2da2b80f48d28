// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace hv {

// One running Hushvault per user and documents directory. The first start holds a lock
// file and listens on a local socket in the user's runtime directory (reachable by the
// user alone); a later start hands its link (or an empty text, to bring the window
// forward) to that instance and exits. Lives on the UI thread.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role { Primary, Forwarded, Failed };

    explicit SingleInstance(const QString& documentsDirectory, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Becomes the running instance, or forwards `link` to it. Failed: neither worked
    // (no runtime directory, or the running instance did not answer in time).
    Role claim(const QString& link);

    // The socket path; the lock file is this path with ".lock" appended.
    QString socketPath() const { return socketPath_; }
    // Whether claim() had a link too long to hand over (64 KiB), and forwarded none.
    bool linkTooLong() const { return linkTooLong_; }

signals:
    // A later start's link ("" when it had none), on the running instance.
    void linkReceived(const QString& link);

private:
    bool listen();
    bool forward(const QString& link);
    void readConnection(class QLocalSocket* socket);

    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    bool linkTooLong_ = false;
};

}  // namespace hv
