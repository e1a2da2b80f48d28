// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backup/ProfileBackup.h"
#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "cli/PassphraseOption.h"

namespace hv::cli {

namespace {

void require(BackupError error, const std::string& file) {
    if (error != BackupError::None) throw CommandFailed(file + ": " + describe(error));
}

}  // namespace

int createBackup(CommandContext& context) {
    const CommandLine line(context.arguments, {{PassphraseOption::kFileName}, {}});
    const std::string file = line.positionals(1, "FILE")[0];
    context.store();  // a profile that cannot be used fails before the passphrase is asked
    const std::string passphrase = PassphraseOption::read(line, context, true);
    const ProfileBackup profile(context.paths.documentsDirectory());
    BackupContents contents;
    require(profile.create(file, passphrase, context.backupKdf, &contents), file);
    context.out << "backed up " << contents.contacts.size() << " contacts and "
                << contents.records.size() << " records into " << file << '\n';
    return 0;
}

int restoreBackup(CommandContext& context) {
    const CommandLine line(context.arguments, {{PassphraseOption::kFileName}, {"--dry-run"}});
    const std::string file = line.positionals(1, "FILE")[0];
    context.store();
    const std::string passphrase = PassphraseOption::read(line, context, false);
    const ProfileBackup profile(context.paths.documentsDirectory());
    BackupContents contents;
    require(ProfileBackup::read(file, passphrase, contents), file);
    RestorePlan plan;
    require(profile.plan(contents, plan), file);
    const bool dryRun = line.flag("--dry-run");
    if (!dryRun) require(profile.apply(plan), file);
    context.out << (dryRun ? "would add " : "added ") << plan.contactsToAdd.size()
                << " contacts and " << plan.recordsToAdd.size() << " records";
    if (plan.contactsKept > 0)
        context.out << "; kept this profile's " << plan.contactsKept
                    << " contacts with the same numbers (" << plan.contactsKeptDiffering
                    << " differ from the backup)";
    if (plan.recordsAlreadyThere > 0)
        context.out << "; " << plan.recordsAlreadyThere << " records were already there";
    context.out << (plan.intoEmptyProfile ? "; settings from the backup"
                                          : "; this profile's settings kept")
                << '\n';
    return 0;
}

}  // namespace hv::cli
