// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StorePaths.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace hv {

namespace {

bool isDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string absolute(const std::string& path) {
    std::error_code ignored;
    const auto made = std::filesystem::absolute(path, ignored);
    return withoutTrailingSlashes(made.empty() ? path : made.lexically_normal().string());
}

// A short, stable name for a documents directory (FNV-1a, 64 bits).
std::string profileId(const std::string& documents) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : documents) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

}  // namespace

StorePaths::StorePaths(std::string documentsDirectory, std::string temporaryDirectory)
    : documentsDirectory_(withoutTrailingSlashes(std::move(documentsDirectory))),
      temporaryDirectory_(withoutTrailingSlashes(std::move(temporaryDirectory))) {}

StorePaths StorePaths::forUser(const std::string& dataDirectory) {
    const std::string fallback = defaultDocumentsDirectory();
    const std::string documents = dataDirectory.empty() ? fallback : absolute(dataDirectory);
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || runtime[0] != '/') return StorePaths(documents, documents + "/tmp");
    const std::string base = withoutTrailingSlashes(runtime) + "/hushvault";
    return StorePaths(documents, documents == fallback ? base : base + "-" + profileId(documents));
}

StorePaths StorePaths::inDirectory(const std::string& directory) {
    return StorePaths(directory, withoutTrailingSlashes(directory) + "/tmp");
}

std::string StorePaths::dataHome() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') return withoutTrailingSlashes(dataHome);
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/.local/share";
}

std::string StorePaths::defaultDocumentsDirectory() {
    return dataHome() + "/hushvault";
}

bool ensureDirectory(const std::string& path) {
    if (path.empty()) return false;
    std::size_t position = 0;
    while (position != std::string::npos) {
        position = path.find('/', position + 1);
        const std::string prefix = path.substr(0, position);
        if (prefix.empty() || isDirectory(prefix)) continue;
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return isDirectory(path);
}

}  // namespace hv
