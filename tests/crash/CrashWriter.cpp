// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes without end until it is killed: operation after operation of one kind, each
// reported on standard output by its number once the call that made it returned success.
// Usage: hv_crash_writer KIND DIRECTORY FIRST
#include <unistd.h>

#include <cstdio>
#include <string>

#include "CrashOperations.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const hv::crash::Kind& kind = hv::crash::kindNamed(argv[1]);
    const std::string directory = argv[2];
    for (long i = std::stol(argv[3]);; ++i) {
        if (!kind.perform(directory, i)) {
            std::fprintf(stderr, "operation %ld failed\n", i);
            return 1;
        }
        // One write per report: the reader sees whole lines only.
        const std::string line = std::to_string(i) + "\n";
        if (::write(STDOUT_FILENO, line.data(), line.size()) != ssize_t(line.size())) return 1;
    }
}
