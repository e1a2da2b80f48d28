// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandContext.h"

#include "cli/StoreAccess.h"
#include "store/HushvaultSqlite.h"

namespace hv::cli {

HushvaultSqlite& CommandContext::store() {
    if (!store_) {
        auto store = std::make_shared<HushvaultSqlite>(paths.documentsDirectory());
        prepareStore(*store);
        store_ = std::move(store);
    }
    return *store_;
}

}  // namespace hv::cli
