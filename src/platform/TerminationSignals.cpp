// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TerminationSignals.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>

namespace hv {

namespace {

// A signal handler may only write to a descriptor: the number goes through a socket pair
// to the event loop.
int gWriteEnd = -1;
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

void onSignal(int number) {
    const unsigned char byte = static_cast<unsigned char>(number);
    if (gWriteEnd < 0) return;
    const ssize_t written = ::write(gWriteEnd, &byte, 1);
    static_cast<void>(written);  // nothing a handler could do about a full pipe
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return;
    gWriteEnd = ends[0];
    notifier_ = new QSocketNotifier(ends[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        if (::read(int(notifier_->socket()), &byte, 1) == 1) emit received(byte);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals) ::sigaction(number, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    for (int number : kSignals) ::signal(number, SIG_DFL);
    ::close(gWriteEnd);
    gWriteEnd = -1;
    ::close(int(notifier_->socket()));
}

}  // namespace hv
