#pragma once

#include "store/HushvaultSqlite.h"

namespace hv::cli {

// Makes sure the store can be opened and its tables exist before a data command runs,
// so that a command on an unusable database fails with a message instead of printing
// nothing. Settings are not seeded: that is "init"'s work.
void prepareStore(HushvaultSqlite& store);

}  // namespace hv::cli
