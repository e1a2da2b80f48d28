// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/Logging.h"

namespace hv {

namespace {

constexpr int kStartupWaitMs = 5000;  // a running instance may still be starting
constexpr qsizetype kMaxLinkBytes = 64 * 1024;

std::optional<sockaddr_un> addressOf(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    if (bytes.size() >= qsizetype(sizeof address.sun_path)) return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), size_t(bytes.size()));
    return address;
}

// Waits until `fd` is ready for `events` or the deadline passes.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    pollfd entry{fd, events, 0};
    while (true) {
        const int result = ::poll(&entry, 1, int(std::max<qint64>(0, deadline.remainingTime())));
        if (result > 0) return true;
        if (result == 0 || errno != EINTR) return false;
    }
}

// Connects to the running instance's socket, trying again while it is not listening yet.
int connectBefore(const sockaddr_un& address, const QDeadlineTimer& deadline) {
    while (true) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return -1;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return fd;
        ::close(fd);
        if (deadline.hasExpired()) return -1;
        QThread::msleep(50);  // the running instance holds the lock but is not listening yet
    }
}

}  // namespace

struct SingleInstance::Connection {
    std::unique_ptr<QSocketNotifier> notifier;
    QByteArray received;
};

SingleInstance::SingleInstance(const QString& documentsDirectory, QObject* parent)
    : QObject(parent) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QByteArray profile = QDir(documentsDirectory).absolutePath().toUtf8();
    const QString id =
        QCryptographicHash::hash(profile, QCryptographicHash::Sha256).toHex().left(16);
    if (!runtime.isEmpty()) socketPath_ = runtime + "/hushvault-" + id + ".socket";
}

SingleInstance::~SingleInstance() {
    while (!connections_.empty()) close(connections_.begin()->first);
    serverNotifier_.reset();
    if (serverFd_ >= 0) {
        ::close(serverFd_);
        ::unlink(QFile::encodeName(socketPath_).constData());
    }
    if (lockFd_ >= 0) ::close(lockFd_);  // releases the lock
}

SingleInstance::Role SingleInstance::claim(const QString& link) {
    if (socketPath_.isEmpty()) return Role::Failed;
    lockFd_ = ::open(QFile::encodeName(socketPath_ + ".lock").constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0) return Role::Failed;
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) == 0) return listen() ? Role::Primary : Role::Failed;
    const bool heldByAnother = errno == EWOULDBLOCK;
    ::close(lockFd_);
    lockFd_ = -1;
    if (!heldByAnother) return Role::Failed;
    // A link too long to be a message is not handed over; the running one still comes
    // forward, and the caller can say why nothing opened.
    linkTooLong_ = link.toUtf8().size() + 1 > kMaxLinkBytes;
    return forward(linkTooLong_ ? QString() : link) ? Role::Forwarded : Role::Failed;
}

bool SingleInstance::listen() {
    const auto address = addressOf(socketPath_);
    if (!address) return false;
    serverFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (serverFd_ < 0) return false;
    // Whoever holds the lock owns the path: a socket file there was left by a crash.
    ::unlink(address->sun_path);
    if (::bind(serverFd_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
        ::chmod(address->sun_path, 0600) != 0 || ::listen(serverFd_, 8) != 0) {
        ::close(serverFd_);
        serverFd_ = -1;
        return false;
    }
    serverNotifier_ = std::make_unique<QSocketNotifier>(serverFd_, QSocketNotifier::Read);
    connect(serverNotifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::accept() {
    while (true) {
        const int fd = ::accept4(serverFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return;
        auto connection = std::make_unique<Connection>();
        connection->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(connection->notifier.get(), &QSocketNotifier::activated, this,
                [this, fd] { read(fd); });
        connections_[fd] = std::move(connection);
    }
}

void SingleInstance::read(int fd) {
    QByteArray& received = connections_.at(fd)->received;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = ::read(fd, buffer, sizeof buffer)) > 0) {
        received.append(buffer, count);
        if (received.size() > kMaxLinkBytes) return close(fd);
    }
    const qsizetype end = received.indexOf('\n');
    if (end < 0) {
        // The peer hung up before a whole line, or failed: nothing to hand over.
        if (count == 0 || (errno != EAGAIN && errno != EINTR)) close(fd);
        return;
    }
    const QString link = QString::fromUtf8(received.left(end));
    // Three bytes into a fresh socket's empty buffer: written at once or not at all.
    const bool answered = ::send(fd, "ok\n", 3, MSG_NOSIGNAL) == 3;
    close(fd);
    if (!answered) return;
    qCInfo(lcPlatform) << "a later start handed over" << (link.isEmpty() ? "no link" : "a link");
    emit linkReceived(link);
}

void SingleInstance::close(int fd) {
    connections_.erase(fd);  // the notifier goes before its descriptor
    ::close(fd);
}

bool SingleInstance::forward(const QString& link) const {
    const auto address = addressOf(socketPath_);
    if (!address) return false;
    const QDeadlineTimer deadline(kStartupWaitMs);
    const int fd = connectBefore(*address, deadline);
    if (fd < 0) return false;
    QString line = link;
    line.replace('\n', ' ');
    const QByteArray bytes = line.toUtf8() + '\n';
    qsizetype written = 0;
    while (written < bytes.size() && waitFor(fd, POLLOUT, deadline)) {
        const ssize_t count =
            ::send(fd, bytes.constData() + written, size_t(bytes.size() - written), MSG_NOSIGNAL);
        if (count < 0 && errno != EINTR && errno != EAGAIN) break;
        if (count > 0) written += count;
    }
    // The answer tells that the link was taken, not merely written into the socket.
    QByteArray answer;
    char c = 0;
    while (written == bytes.size() && !answer.endsWith('\n') && answer.size() < 16 &&
           waitFor(fd, POLLIN, deadline) && ::read(fd, &c, 1) == 1)
        answer.append(c);
    ::close(fd);
    return answer == "ok\n";
}

}  // namespace hv
