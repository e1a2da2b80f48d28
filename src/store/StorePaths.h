// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace hv {

// Where one profile of the application keeps its files: the documents directory (the
// database, Conf.ini, the Outbox) and the user's private temporary directory (the draft).
// One value is made at start-up (by the application and by hushvault-cli) and handed to
// everything that reads or writes files, so that two profiles never mix. Directories are
// created (mode 0700) by whoever first writes into them.
class StorePaths {
public:
    StorePaths(std::string documentsDirectory, std::string temporaryDirectory);

    // The user's profile: $XDG_DATA_HOME/hushvault (normally ~/.local/share/hushvault), or
    // dataDirectory when one is given (--data-dir). Its temporary directory is
    // $XDG_RUNTIME_DIR/hushvault for the default profile and a directory of its own under
    // $XDG_RUNTIME_DIR for any other; <documents>/tmp when there is no runtime directory.
    static StorePaths forUser(const std::string& dataDirectory = {});
    // A profile that keeps everything under one directory (tests, tools).
    static StorePaths inDirectory(const std::string& directory);

    const std::string& documentsDirectory() const { return documentsDirectory_; }
    const std::string& temporaryDirectory() const { return temporaryDirectory_; }

    static std::string defaultDocumentsDirectory();
    // Where the user's applications keep their data: $XDG_DATA_HOME, else ~/.local/share.
    static std::string dataHome();

private:
    std::string documentsDirectory_;
    std::string temporaryDirectory_;
};

// Creates every missing directory of the path, component by component from the root,
// with mode 0700. True when the path exists as a directory afterwards.
bool ensureDirectory(const std::string& path);

}  // namespace hv
