// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <iostream>

#include "cli/CliApplication.h"

int main(int argc, char** argv) {
    return hv::cli::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout,
                           std::cerr);
}
