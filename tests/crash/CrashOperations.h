// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The numbered operations the crash writer performs and the checker expects, one set per
// kind of stored data.
#include <functional>
#include <string>
#include <vector>

namespace hv::crash {

// One kind of stored data: the numbered operations the writer performs on it, and what the
// checker reads back after a crash, summed up so that it can be compared with what
// operations 0..k may leave.
struct Kind {
    std::string name;
    // Performs operation i on the data below the directory; true when it reported success.
    std::function<bool(const std::string& directory, long i)> perform;
    std::function<std::string(const std::string& directory)> observedState;
    std::function<std::vector<std::string>(long k)> expectedStates;
};

// "draft", "outbox" or "restore". (Conf.ini is written as the draft is, through PropertyList
// and AtomicFile.)
const Kind& kindNamed(const std::string& name);

// The number of operation i's contact, record or message.
inline std::string numberOf(long i) {
    return "1380013" + std::to_string(10000 + i);
}

}  // namespace hv::crash
