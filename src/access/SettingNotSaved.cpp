#include "access/SettingNotSaved.h"

#include "platform/LocalizationKeys.h"
#include "ui/AlertView.h"

namespace hv {

void SettingNotSaved::show() {
    (new AlertView(kKeyWarning, kKeySettingNotSaved, kKeySure, {}))->show();
}

}  // namespace hv
