#include "platform/Clock.h"

#include <QDateTime>
#include <QTimer>
#include <cmath>

namespace hv {

namespace {

Clock*& currentClock() {
    static SystemClock system;
    static Clock* current = &system;
    return current;
}

}  // namespace

Clock& Clock::instance() {
    return *currentClock();
}

void Clock::setInstance(Clock* clock) {
    static SystemClock system;
    currentClock() = clock ? clock : &system;
}

double SystemClock::now() const {
    return QDateTime::currentMSecsSinceEpoch() / 1000.0;
}

void SystemClock::after(double seconds, QObject* receiver, std::function<void()> fn) {
    const int ms = seconds <= 0 ? 0 : int(std::lround(seconds * 1000));
    QTimer::singleShot(ms, receiver, std::move(fn));
}

}  // namespace hv
