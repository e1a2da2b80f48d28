// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace hv {

// What the settings screens show when the store refused a write (a full or read-only
// disk), rather than a change that was not kept.
namespace SettingNotSaved {

// The alert: "Warning", "setting not saved", "Sure".
void show();

}  // namespace SettingNotSaved

}  // namespace hv
