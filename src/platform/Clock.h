// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

namespace hv {

// Time and delayed calls come from here, so that tests move time instead of sleeping.
// The process uses the system clock unless a test installs another one with setInstance.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since 1970-01-01 00:00 UTC.
    virtual double now() const = 0;
    // Calls fn once, on the UI thread, `seconds` from now, unless the receiver is gone.
    virtual void after(double seconds, QObject* receiver, std::function<void()> fn) = 0;

    static Clock& instance();
    // Replaces the process's clock (not owned); nullptr restores the system clock.
    static void setInstance(Clock* clock);
};

class SystemClock : public Clock {
public:
    double now() const override;
    void after(double seconds, QObject* receiver, std::function<void()> fn) override;
};

inline double now() {
    return Clock::instance().now();
}
inline void after(double seconds, QObject* receiver, std::function<void()> fn) {
    Clock::instance().after(seconds, receiver, std::move(fn));
}

}  // namespace hv
