// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The numbered operations the crash writer performs and the checker expects, one set per
// kind of stored data.
#include <string>
#include <vector>

namespace hv::crash {

enum class Kind { Store, Config, Draft, Outbox, Restore };

Kind kindNamed(const std::string& name);
std::string nameOf(Kind kind);

// Writes what is there before the first operation.
bool prepare(Kind kind, const std::string& directory);
// Performs operation i on the data below the directory; true when it reported success.
bool perform(Kind kind, const std::string& directory, long i);

// What is stored, read back after a crash and summed up so that it can be compared with
// what operations 0..k may leave.
std::string observedState(Kind kind, const std::string& directory);
std::vector<std::string> expectedStates(Kind kind, long k);

// The number of operation i's contact, record or message.
inline std::string numberOf(long i) {
    return "1380013" + std::to_string(10000 + i);
}

}  // namespace hv::crash
