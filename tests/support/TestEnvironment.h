// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace hv::test {

// Every test binary runs in the same surroundings, whatever the machine's: UTC, the C
// locale for the C library and Qt, ICU's "en_US" with UTC, and a private runtime
// directory (removed at exit, and holding XDG_DATA_HOME too) so that sockets, drafts and
// data never meet a user's.
void pinTestEnvironment();

}  // namespace hv::test
