// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>

namespace hv {

// Knows where the database file lies and opens it. A connection lives for one operation:
// connectionDataBase() opens it into logDataBase, closeDataBase() (or the destructor)
// closes it again. Not shared between threads.
class ConnectionDataBase {
public:
    // Keeps the database in the given documents directory.
    explicit ConnectionDataBase(std::string documentsDirectory);
    virtual ~ConnectionDataBase();
    ConnectionDataBase(const ConnectionDataBase&) = delete;
    ConnectionDataBase& operator=(const ConnectionDataBase&) = delete;

    // The documents directory joined with "HiddenMSGTable". Creates the documents
    // directory first (mode 0700) when it is missing.
    std::string dataBasePath() const;

    // Opens the database file into logDataBase, creating it with mode 0600 when missing,
    // with secure deletion on. False when it cannot be opened; no connection is then held.
    bool connectionDataBase();
    void closeDataBase();

    const std::string& documentsDirectory() const { return documentsDirectory_; }

protected:
    sqlite3* logDataBase = nullptr;

private:
    std::string documentsDirectory_;
};

}  // namespace hv
