// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Clock.h"

#include <QDateTime>
#include <QTimer>
#include <cmath>

namespace hv {

namespace {

SystemClock& systemClock() {
    static SystemClock system;
    return system;
}

Clock*& currentClock() {
    static Clock* current = &systemClock();
    return current;
}

}  // namespace

Clock& Clock::instance() {
    return *currentClock();
}

void Clock::setInstance(Clock* clock) {
    currentClock() = clock ? clock : &systemClock();
}

double SystemClock::now() const {
    return QDateTime::currentMSecsSinceEpoch() / 1000.0;
}

void SystemClock::after(double seconds, QObject* receiver, std::function<void()> fn) {
    const int ms = seconds <= 0 ? 0 : int(std::lround(seconds * 1000));
    QTimer::singleShot(ms, receiver, std::move(fn));
}

}  // namespace hv
