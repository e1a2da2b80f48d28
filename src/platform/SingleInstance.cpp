// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include "platform/Logging.h"

namespace hv {

namespace {

constexpr int kStartupWaitMs = 5000;  // a running instance may still be starting
constexpr qint64 kMaxLinkBytes = 64 * 1024;

}  // namespace

SingleInstance::SingleInstance(const QString& documentsDirectory, QObject* parent)
    : QObject(parent) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QByteArray profile = QDir(documentsDirectory).absolutePath().toUtf8();
    const QString id =
        QCryptographicHash::hash(profile, QCryptographicHash::Sha256).toHex().left(16);
    if (!runtime.isEmpty()) socketPath_ = runtime + "/hushvault-" + id + ".socket";
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::claim(const QString& link) {
    if (socketPath_.isEmpty()) return Role::Failed;
    lock_ = std::make_unique<QLockFile>(socketPath_ + ".lock");
    // A lock left by a process that died is stale and taken over by tryLock.
    if (lock_->tryLock(0)) return listen() ? Role::Primary : Role::Failed;
    lock_.reset();
    // A link too long to be a message is not handed over; the running one still comes
    // forward, and the caller can say why nothing opened.
    linkTooLong_ = link.toUtf8().size() + 1 > kMaxLinkBytes;
    return forward(linkTooLong_ ? QString() : link) ? Role::Forwarded : Role::Failed;
}

bool SingleInstance::listen() {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath_);  // a socket file left by a crashed instance
    if (!server_->listen(socketPath_)) return false;
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { readConnection(socket); });
        }
    });
    return true;
}

void SingleInstance::readConnection(QLocalSocket* socket) {
    if (socket->bytesAvailable() > kMaxLinkBytes) {
        socket->abort();
        return;
    }
    if (!socket->canReadLine()) return;
    const QString link = QString::fromUtf8(socket->readLine()).chopped(1);
    socket->write("ok\n");
    socket->flush();
    qCInfo(lcPlatform) << "a later start handed over" << (link.isEmpty() ? "no link" : "a link");
    emit linkReceived(link);
}

bool SingleInstance::forward(const QString& link) {
    const QDeadlineTimer deadline(kStartupWaitMs);
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime())))) break;
        if (deadline.hasExpired()) return false;
        QThread::msleep(50);  // the running instance holds the lock but is not listening yet
    }
    QString line = link;
    line.replace('\n', ' ');
    socket.write(line.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime()))))
        return false;
    // The answer tells that the link was taken, not merely written into the socket.
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() ||
            !socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            return false;
    }
    return socket.readLine() == "ok\n";
}

}  // namespace hv
