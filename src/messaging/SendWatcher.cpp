// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/SendWatcher.h"

#include "messaging/SendState.h"

namespace hv {

namespace {

std::atomic<int>& running() {
    static std::atomic<int> count{0};
    return count;
}

}  // namespace

int SendWatcher::runningCount() {
    return running().load();
}

SendWatcher::SendWatcher(std::atomic<int>& state, Timing timing, QObject* parent)
    : QObject(parent), state_(state), timing_(timing) {}

SendWatcher::SendWatcher(std::atomic<int>& state, QObject* parent)
    : SendWatcher(state, Timing{}, parent) {}

SendWatcher::~SendWatcher() {
    stop();
}

void SendWatcher::start() {
    if (running_.exchange(true)) return;
    ++running();
    thread_ = std::jthread([this](std::stop_token stop) { watch(stop); });
}

void SendWatcher::stop() {
    if (!thread_.joinable()) return;
    thread_.request_stop();
    wake_.notify_all();
    thread_.join();
}

void SendWatcher::watch(std::stop_token stop) {
    int state = state_.load();
    for (int looks = 0; state == kSendStateWaiting && looks < timing_.maxLooks; ++looks) {
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, stop, timing_.interval, [] { return false; }) ||
            stop.stop_requested()) {
            running_ = false;
            --running();
            return;  // stopped: the application is going away
        }
        state = state_.load();
    }
    state_.store(kSendStateWaiting);
    running_ = false;
    emit finished(state == kSendStateError);
    --running();  // after the report is on its way, so that waiting for none running waits for it
}

}  // namespace hv
