// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzSupport.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace hv::fuzz {

const std::string& scratchDirectory() {
    // Never destroyed: the exit handler that removes the folder needs its name.
    static const std::string* const directory = [] {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/hushvault-fuzz-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (!::mkdtemp(name.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::atexit([] { std::filesystem::remove_all(scratchDirectory()); });
        return new std::string(name.data());
    }();
    return *directory;
}

void writeScratchFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::perror(path.c_str());
        std::abort();
    }
}

}  // namespace hv::fuzz
