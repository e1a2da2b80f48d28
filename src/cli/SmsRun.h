// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <optional>
#include <string>

#include "sms/SmsService.h"

namespace hv::cli {

class CommandLine;
struct CommandContext;

// The SMS service that --sms names (default "auto"), made as the application makes it, once
// its look-ups have answered (or given up): a command has time to wait, so that "auto" sends
// and reports what it would after a while in the application. An unknown name is a usage
// error. requested: the name asked for.
std::unique_ptr<SmsService> settledService(const CommandLine& line, CommandContext& context,
                                           std::string* requested);

// Runs the event loop until the report is there or the time is up.
std::optional<std::string> waitForReport(std::optional<std::string>& report, int milliseconds);

}  // namespace hv::cli
