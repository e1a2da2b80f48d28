// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace hv::test {

// A tmpfs of a few hundred kilobytes mounted on a folder for one test, which it can fill
// to the last byte or turn read-only. Mounting needs root or CAP_SYS_ADMIN; where it is
// refused, mounted() is false and whyNot() says why.
class SmallFileSystem {
public:
    SmallFileSystem(std::string folder, std::size_t bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& whyNot() const { return whyNot_; }

    // Writes a file until the file system has no byte left.
    void fill();
    // Frees what fill() took.
    void empty();
    // Remounts it read-only.
    bool makeReadOnly();

private:
    std::string folder_;
    bool mounted_ = false;
    std::string whyNot_;
};

}  // namespace hv::test
