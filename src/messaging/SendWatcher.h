// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace hv {

// Watches one sent message on a thread of its own: it waits for the send state to leave
// 0, looking every interval (0.1 s) up to maxLooks times (10,000: 1,000 s). A state of 3
// means the service reported an error. At its end it sets the state back to 0 and emits
// finished on the thread the watcher belongs to. Stopping (or destroying) the watcher
// ends the wait at once, without finished; the application stops its watchers when it quits.
class SendWatcher : public QObject {
    Q_OBJECT
public:
    struct Timing {
        std::chrono::milliseconds interval{100};
        int maxLooks = 10000;
    };

    explicit SendWatcher(std::atomic<int>& state, Timing timing, QObject* parent = nullptr);
    explicit SendWatcher(std::atomic<int>& state, QObject* parent = nullptr);
    ~SendWatcher() override;

    void start();
    void stop();
    bool isRunning() const { return running_.load(); }
    // Watchers of the whole process that are still waiting.
    static int runningCount();

signals:
    void finished(bool errorReported);

private:
    void watch(std::stop_token stop);

    std::atomic<int>& state_;
    Timing timing_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::jthread thread_;
    std::atomic<bool> running_{false};
};

}  // namespace hv
