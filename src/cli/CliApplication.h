// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "backup/KdfParameters.h"

namespace hv::cli {

// hushvault-cli: [--data-dir=DIR] COMMAND ... Returns the exit status: 0 done, 1 the
// command failed, 2 the arguments were wrong, 3 a message was kept in the Outbox and not
// sent (send). One-line errors go to `err`; a password given as "-" is read from `in`.
// New backups derive their keys with backupKdf.
int runCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err, const KdfParameters& backupKdf = KdfParameters::standard());

}  // namespace hv::cli
