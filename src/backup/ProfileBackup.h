// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "backup/BackupContents.h"
#include "backup/BackupError.h"
#include "backup/KdfParameters.h"
#include "backup/RestorePlan.h"

namespace hv {

// Backups of one profile: its secret contacts, records and settings rows (the database)
// and Conf.ini's keys. Blocking (the key derivation takes about half a second): screens
// call it off the UI thread. One object per call site; not shared between threads.
class ProfileBackup {
public:
    explicit ProfileBackup(std::string documentsDirectory);

    // Whether a passphrase may protect a new backup (kMinimumPassphraseLength characters).
    static bool isLongEnough(std::string_view passphrase);

    // Everything the profile holds that a backup carries; CannotReadProfile when the
    // database cannot be read.
    BackupError collect(BackupContents& contents) const;
    // Collects, seals and writes the file atomically with mode 0600 (a file already there is
    // replaced only once the new one is whole). `written`, when given, gets what went in.
    BackupError create(const std::string& file, std::string_view passphrase,
                       const KdfParameters& kdf = KdfParameters::standard(),
                       BackupContents* written = nullptr) const;

    // Reads and checks a whole backup file; the profile is not touched.
    static BackupError read(const std::string& file, std::string_view passphrase,
                            BackupContents& contents);
    // What restoring the contents would change here (see RestorePlan).
    BackupError plan(const BackupContents& contents, RestorePlan& plan) const;
    // Applies a plan in one database transaction; Conf.ini is written inside it and put back
    // should the commit fail. On any error the profile is as it was (CannotWrite).
    BackupError apply(const RestorePlan& plan) const;

private:
    std::string documentsDirectory_;
};

}  // namespace hv
