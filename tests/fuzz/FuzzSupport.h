// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every fuzz target shares: property checks that end the run with a crash libFuzzer
// records, and a scratch folder for targets whose reader takes a file.
#include <cstdio>
#include <cstdlib>
#include <string>

// A property that does not hold is a fault like a crash: report it and abort, so that
// libFuzzer saves the input.
#define HV_FUZZ_CHECK(condition)                                                                  \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

namespace hv::fuzz {

// A private folder for this process, removed at exit. In /dev/shm where there is one, so
// that a file per input costs no disk writes.
const std::string& scratchDirectory();

// Writes the bytes to the file, replacing it; aborts when it cannot (not the input's fault).
void writeScratchFile(const std::string& path, const std::string& bytes);

// The text with ASCII capitals made small, as link prefixes and vCard names are compared.
inline std::string lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace hv::fuzz
