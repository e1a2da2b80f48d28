// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace hv {

namespace {

constexpr std::string_view kTemporarySuffix = ".XXXXXX";

// Hidden, and named apart from the file: a writer killed before the rename leaves a
// temporary file that neither the next start nor a program reading a folder takes up.
std::string temporaryPattern(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameAt) + "." + path.substr(nameAt) + std::string(kTemporarySuffix);
}

bool writeAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

bool AtomicFile::write(const std::string& path, std::string_view contents) {
    const std::string pattern = temporaryPattern(path);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());  // creates the file with mode 0600
    if (fd < 0) return false;
    const bool written = writeAll(fd, contents) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(name.data(), path.c_str()) != 0) {
        ::unlink(name.data());
        return false;
    }
    return true;
}

std::optional<std::string> AtomicFile::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(contents).str();
}

void AtomicFile::removeLeftovers(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path pattern = temporaryPattern(path);
    const std::string stem = pattern.filename().string();
    const std::string prefix = stem.substr(0, stem.size() - kTemporarySuffix.size() + 1);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(
             pattern.parent_path().empty() ? fs::path(".") : pattern.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == stem.size() && name.starts_with(prefix)) fs::remove(entry.path(), error);
    }
}

}  // namespace hv
