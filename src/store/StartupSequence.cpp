// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StartupSequence.h"

#include "store/LockTime.h"
#include "store/SettingsKeys.h"

namespace hv {

void StartupSequence::run(HushvaultSqlite& store, const std::string& version, double nowSeconds) {
    createTables(store);
    seedSettings(store, nowSeconds);
    recordVersion(store, version);
}

void StartupSequence::createTables(HushvaultSqlite& store) {
    store.creatContractSqlite();
    store.creatHushvaultSqlite();
    store.creatSecretNewSMSSqlite();
    store.creatSecretVersionSqlite();
}

void StartupSequence::seedSettings(HushvaultSqlite& store, double nowSeconds) {
    // Together, and only into an empty table: a start killed halfway would otherwise leave
    // some rows that the next start, seeing the table not empty, never completes.
    store.addSettingRowsIfNone({{"0", kSettingTime},
                                {"", kSettingPassWord},
                                {kRecordOn, kSettingRecord},
                                {formatLockTime(nowSeconds), kSettingLockTime}});
}

void StartupSequence::recordVersion(HushvaultSqlite& store, const std::string& version) {
    if (!store.findByVersion(version)) store.addVersion(version);
}

}  // namespace hv
