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
