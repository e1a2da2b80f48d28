#include "cli/StoreAccess.h"

#include "cli/CommandLine.h"
#include "store/StartupSequence.h"

namespace hv::cli {

void prepareStore(HushvaultSqlite& store) {
    const bool opened = store.connectionDataBase();
    store.closeDataBase();
    if (!opened) throw CommandFailed("cannot open the database " + store.dataBasePath());
    StartupSequence::createTables(store);
}

}  // namespace hv::cli
