#pragma once

namespace hv {

// The screen that asked the phone-type chooser: told whether the friend's phone runs
// Hushvault (true: application links) or not (false: web links).
class PhoneTypeReceiver {
public:
    virtual ~PhoneTypeReceiver() = default;
    virtual void IsIphoneFriend(bool flag) = 0;
};

}  // namespace hv
