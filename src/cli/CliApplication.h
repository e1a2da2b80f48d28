#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace hv::cli {

// hushvault-cli: [--data-dir=DIR] COMMAND ... Returns the exit status: 0 done, 1 the
// command failed, 2 the arguments were wrong. One-line errors go to `err`.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace hv::cli
