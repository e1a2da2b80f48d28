// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <string>

class QSocketNotifier;

namespace hv {

// One running Hushvault per user and documents directory. The first start holds a lock
// on a file and listens on a local socket in the user's runtime directory (reachable by
// the user alone); a later start hands its link (or an empty text, to bring the window
// forward) to that instance and exits. The lock is the kernel's (flock): it ends with the
// process however it ends, so nothing stale is left to judge. Plain POSIX sockets keep the
// networking library out of every start. Lives on the UI thread.
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
    struct Connection;

    bool listen();
    void accept();
    void read(int fd);
    void close(int fd);
    bool forward(const QString& link) const;

    QString socketPath_;
    int lockFd_ = -1;
    int serverFd_ = -1;
    std::unique_ptr<QSocketNotifier> serverNotifier_;
    std::map<int, std::unique_ptr<Connection>> connections_;
    bool linkTooLong_ = false;
};

}  // namespace hv
