// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/ConnectionDataBase.h"
#include "store/Contacts.h"
#include "store/HiddenMSG.h"

namespace hv {

// The secure store: secret contacts (SecContract), message records (HidMSG), settings
// rows (HidMSGNew: key in `statue`, value in `telephone`) and versions (HidMSGVersion).
// Every operation opens the database, runs one statement with its values bound as
// parameters and closes the database again. When the database cannot be opened or the
// statement fails, an operation gives its empty result (no text, an empty list or map,
// a record with default values, false or 0); lastError() then tells what went wrong, for
// callers that report it (the command-line tool). Numbers, message texts
// and contact names are stored encrypted under the fixed key; numbers are normalised
// before they are stored, searched or deleted.
class HushvaultSqlite : public ConnectionDataBase {
public:
    using ConnectionDataBase::ConnectionDataBase;

    void creatContractSqlite();
    void creatHushvaultSqlite();
    void creatSecretNewSMSSqlite();
    void creatSecretVersionSqlite();

    // Settings rows. Note the argument orders: value first when adding, key first when
    // updating. Adding always adds a row; updating never does.
    std::int32_t addSMS(const std::string& value, const std::string& key);
    // Adds the rows (value, key) as addSMS does when the table holds no row at all, all or
    // none: the look and the adding are one transaction, so that a process killed halfway
    // leaves no part of them and two processes starting together add them once. True when
    // this call added them.
    bool addSettingRowsIfNone(const std::vector<std::pair<std::string, std::string>>& rows);
    // Updates the rows (key, value) as updatetel does, all or none. True when no
    // statement failed (a key without a row is left alone, as by updatetel).
    bool updateSettingRows(const std::vector<std::pair<std::string, std::string>>& rows);
    void updatetel(const std::string& key, const std::string& value);
    // The value of the last row with the key, or nothing.
    std::optional<std::string> findTelephoneNumber(const std::string& key);
    void deleteTelephoneNumber(const std::string& key);
    // Every row, key to value. Of several rows with one key, the oldest wins.
    std::map<std::string, std::string> findAllNewSMS();

    // Message records. An absent time or status is stored as NULL and reads back empty.
    std::int32_t addSMS(const std::string& telephone, const std::string& content,
                        const std::optional<std::string>& time,
                        const std::optional<std::string>& statue);
    void deleteSMSBySMSid(std::int32_t id);
    // Changes a record's status (a message the SMS service later reported failed: "4").
    void updateSMSStatue(const std::string& statue, std::int32_t bySMSid);
    std::vector<HiddenMSG> findSMSByTelephoneNumber(const std::string& telephone);
    HiddenMSG findSMSBySMSid(std::int32_t id);
    std::vector<HiddenMSG> findAllSMS();  // newest first
    void clearAllSMS();
    void clearSMSByTelephoneNumber(const std::string& telephone);

    // Secret contacts.
    std::int32_t addContracts(const std::string& name, const std::string& tel,
                              const std::string& passWD, const std::string& checkCode);
    void update(const std::string& name, const std::string& tel, const std::string& pass,
                const std::string& isIphone, std::int32_t byid);
    void deleteContractByid(std::int32_t id);
    void clearContractsById(std::int32_t id);
    void deletAllContracts();
    // The last matching row, or a record with default values.
    Contacts findContractByTelephoneNumber(const std::string& telephone);
    Contacts findContractByCheckCode(const std::string& checkCode);
    std::vector<Contacts> findAllContracts();  // newest first

    // Adds the contacts and records (their ids are ignored: SQLite gives new ones) and sets
    // the settings rows (key, value; a key without a row gets one), all in one transaction:
    // all or none. beforeCommit, when given, runs last inside the transaction (a file to
    // write with it); false from it rolls everything back. True when it was committed.
    bool addAll(const std::vector<Contacts>& contacts, const std::vector<HiddenMSG>& records,
                const std::vector<std::pair<std::string, std::string>>& settings,
                const std::function<bool()>& beforeCommit = {});

    // Versions that have run.
    std::int32_t addVersion(const std::string& version);
    bool findByVersion(const std::string& version);

    // Why the last operation failed (SQLite's message), or empty when it succeeded.
    const std::string& lastError() const { return lastError_; }

private:
    bool open();
    void noteFailure();

    // Each opens the database, prepares the statement, binds the arguments to ?1, ?2, ...
    // (insert: to ?2, ?3, ... leaving the identifier to SQLite), steps and closes again.
    // Runs the body between BEGIN IMMEDIATE and COMMIT on one connection; a body that
    // returns false (having noted why), or a failed commit, rolls back.
    bool inTransaction(const std::function<bool()>& body);
    template <class... Args>
    void execute(const char* sql, const Args&... args);
    template <class... Args>
    std::int32_t insert(const char* sql, const Args&... args);
    template <class OnRow, class... Args>
    void query(const char* sql, OnRow onRow, const Args&... args);
    // Every row of a table, read into a list sized by a count first: growing it row by row
    // would copy and fault in its pages again and again (lists of thousands of records).
    template <class Row, class ReadRow>
    std::vector<Row> listAll(const char* countSql, const char* sql, ReadRow readRow);

    std::string lastError_;
};

}  // namespace hv
