// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SmallFileSystem.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace hv::test {

namespace {

std::string fillerOf(const std::string& folder) {
    return folder + "/.filler";
}

}  // namespace

SmallFileSystem::SmallFileSystem(std::string folder, std::size_t bytes)
    : folder_(std::move(folder)) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0700";
    if (::mount("hushvault-test", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                options.c_str()) == 0)
        mounted_ = true;
    else
        whyNot_ = std::string("mounting a small tmpfs was refused (") + std::strerror(errno) +
                  "); these cases need root or CAP_SYS_ADMIN";
}

SmallFileSystem::~SmallFileSystem() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

void SmallFileSystem::fill() {
    const int fd = ::open(fillerOf(folder_).c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0) return;
    const std::vector<char> block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    // The last page may have room for less than a block.
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

void SmallFileSystem::empty() {
    ::unlink(fillerOf(folder_).c_str());
}

bool SmallFileSystem::makeReadOnly() {
    return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV,
                   nullptr) == 0;
}

}  // namespace hv::test
