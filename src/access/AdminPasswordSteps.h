#pragma once

#include <optional>
#include <string>

namespace hv {

// One entry at a time of setting or changing the administrator password. The step
// counter is shared by every administrator password screen of the process: set mode
// reads its parity, change mode its remainder modulo 3, and only a wrong old password
// sets it back to 0, so a cycle continues across screens. Used on the UI thread.
class AdminPasswordSteps {
public:
    struct Outcome {
        int code = 0;                      // a PassCodeResult code
        std::optional<std::string> store;  // the password to write as "PassWord"
        bool announceChange = false;       // post "lockTime" with "passWord"
    };

    // passWordOld: the stored password when the screen appeared (under 4 characters: none).
    explicit AdminPasswordSteps(std::string passWordOld = {});

    void setPassWordOld(std::string passWordOld) { passWordOld_ = std::move(passWordOld); }
    Outcome enter(const std::string& typed);

    static int settingTime();
    static void resetSettingTime();  // a new process; tests only

private:
    std::string passWordOld_;
    std::string passWordNew_;
};

}  // namespace hv
