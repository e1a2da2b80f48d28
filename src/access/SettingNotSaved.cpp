#include "access/SettingNotSaved.h"

#include "platform/LocalizationKeys.h"
#include "store/HushvaultSqlite.h"
#include "ui/AlertView.h"

namespace hv {

bool SettingNotSaved::failed(const HushvaultSqlite& store) {
    return !store.lastError().empty();
}

void SettingNotSaved::show() {
    (new AlertView(kKeyWarning, kKeySettingNotSaved, kKeySure, {}))->show();
}

}  // namespace hv
