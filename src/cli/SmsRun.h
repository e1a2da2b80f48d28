#pragma once

#include <optional>
#include <string>

#include "platform/SmsServiceChoice.h"
#include "sms/SmsService.h"

namespace hv::cli {

class CommandLine;
struct CommandContext;

// The SMS service that --sms names (default "auto"), chosen as the application chooses;
// an unknown name is a usage error.
SmsServiceChoice::Choice chooseService(const CommandLine& line, CommandContext& context);

// Runs the event loop until the report is there or the time is up.
std::optional<std::string> waitForReport(std::optional<std::string>& report, int milliseconds);

}  // namespace hv::cli
