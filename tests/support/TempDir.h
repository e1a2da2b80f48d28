// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "store/StorePaths.h"

namespace hv::test {

// A fresh directory under the system's temporary directory, removed with everything in
// it when the object goes.
class TempDir {
public:
    // prefix: of the directory's name, which ends in six random characters.
    explicit TempDir(const std::string& prefix = "hushvault-test-");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // A profile kept wholly inside this directory (temporary directory: <path>/tmp).
    StorePaths paths() const { return StorePaths::inDirectory(path_); }

private:
    std::string path_;
};

// The whole file as bytes ("" when it cannot be read), and its permission bits.
std::string readFile(const std::string& path);
// Writes the bytes to the file, replacing it; gives the path.
std::string writeFile(const std::string& path, const std::string& bytes);
unsigned permissions(const std::string& path);

}  // namespace hv::test
