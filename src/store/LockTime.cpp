#include "store/LockTime.h"

#include <chrono>
#include <cstdio>

namespace hv {

std::string formatLockTime(double secondsSinceEpoch) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", secondsSinceEpoch);
    return text;
}

double secondsSinceEpochNow() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

}  // namespace hv
