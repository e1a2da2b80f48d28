#pragma once

namespace hv {

class HushvaultSqlite;

// The settings screens write through the store, which reports a refused write (a full or
// read-only disk) only by its last error. These screens then tell the user, rather than
// show a change that was not kept.
namespace SettingNotSaved {

// Whether the store's last operation failed.
bool failed(const HushvaultSqlite& store);
// The alert: "Warning", "setting not saved", "Sure".
void show();

}  // namespace SettingNotSaved

}  // namespace hv
