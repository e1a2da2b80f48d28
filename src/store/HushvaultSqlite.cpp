// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/HushvaultSqlite.h"

#include "store/AtRestCipher.h"
#include "store/PhoneNumber.h"
#include "store/SqliteStatement.h"

namespace hv {

namespace {

// Closes the operation's connection on every path out of it.
class OpenConnection {
public:
    explicit OpenConnection(ConnectionDataBase& store) : store_(store) {}
    ~OpenConnection() { store_.closeDataBase(); }
    OpenConnection(const OpenConnection&) = delete;
    OpenConnection& operator=(const OpenConnection&) = delete;

private:
    ConnectionDataBase& store_;
};

void bindOne(SqliteStatement& statement, int index, const std::string& text) {
    statement.bind(index, text);
}
void bindOne(SqliteStatement& statement, int index, std::int32_t value) {
    statement.bind(index, value);
}
void bindOne(SqliteStatement& statement, int index, const std::optional<std::string>& text) {
    if (text)
        statement.bind(index, *text);
    else
        statement.bindNull(index);
}

template <class... Args>
void bindAll(SqliteStatement& statement, int first, const Args&... args) {
    [[maybe_unused]] int index = first;
    (bindOne(statement, index++, args), ...);
}

std::string storedNumber(const std::string& telephone) {
    return encryptAtRest(normalizePhoneNumber(telephone));
}

HiddenMSG readMessage(const SqliteStatement& row) {
    HiddenMSG message;
    message.SMS_id = row.columnInt(0);
    message.telePhoneNumber = decryptAtRest(row.columnView(1));
    message.contents = decryptAtRest(row.columnView(2));
    message.time = row.columnText(3);
    message.statue = row.columnText(4);
    return message;
}

Contacts readContact(const SqliteStatement& row) {
    Contacts contact;
    contact.contract_id = row.columnInt(0);
    contact.name = decryptAtRest(row.columnView(1));
    contact.telePhoneNumber = decryptAtRest(row.columnView(2));
    contact.passWord = row.columnText(3);
    contact.iphoneFriend = row.columnText(4);
    return contact;
}

}  // namespace

bool HushvaultSqlite::open() {
    lastError_.clear();
    if (connectionDataBase()) return true;
    lastError_ = "cannot open the database";
    return false;
}

void HushvaultSqlite::noteFailure() {
    const char* message = logDataBase ? sqlite3_errmsg(logDataBase) : nullptr;
    lastError_ = message && *message ? message : "the statement failed";
}

template <class... Args>
void HushvaultSqlite::execute(const char* sql, const Args&... args) {
    if (!open()) return;
    OpenConnection connection(*this);
    SqliteStatement statement(logDataBase, sql);
    bindAll(statement, 1, args...);
    if (!statement.run()) noteFailure();
}

template <class... Args>
std::int32_t HushvaultSqlite::insert(const char* sql, const Args&... args) {
    if (!open()) return 0;
    OpenConnection connection(*this);
    SqliteStatement statement(logDataBase, sql);
    bindAll(statement, 2, args...);
    if (!statement.run()) {
        noteFailure();
        return 0;
    }
    if (sqlite3_changes(logDataBase) == 0) return 0;
    return static_cast<std::int32_t>(sqlite3_last_insert_rowid(logDataBase));
}

template <class Row, class ReadRow>
std::vector<Row> HushvaultSqlite::listAll(const char* countSql, const char* sql, ReadRow readRow) {
    std::vector<Row> rows;
    if (!open()) return rows;
    OpenConnection connection(*this);
    {
        SqliteStatement count(logDataBase, countSql);
        if (count.nextRow()) rows.reserve(static_cast<std::size_t>(count.columnInt(0)));
    }
    SqliteStatement statement(logDataBase, sql);
    while (statement.nextRow()) rows.push_back(readRow(statement));
    if (statement.failed()) noteFailure();
    return rows;
}

template <class OnRow, class... Args>
void HushvaultSqlite::query(const char* sql, OnRow onRow, const Args&... args) {
    if (!open()) return;
    OpenConnection connection(*this);
    SqliteStatement statement(logDataBase, sql);
    bindAll(statement, 1, args...);
    while (statement.nextRow()) onRow(statement);
    if (statement.failed()) noteFailure();
}

// --- tables -------------------------------------------------------------------------------

void HushvaultSqlite::creatContractSqlite() {
    execute(
        "CREATE TABLE IF NOT EXISTS SecContract (id INTEGER PRIMARY KEY,name TEXT, telephone "
        "TEXT, passWord TEXT,checkCode TEXT);");
}

void HushvaultSqlite::creatHushvaultSqlite() {
    execute(
        "CREATE TABLE IF NOT EXISTS HidMSG (id INTEGER PRIMARY KEY,telephone TEXT, content "
        "TEXT, time TEXT,statue TEXT);");
}

void HushvaultSqlite::creatSecretNewSMSSqlite() {
    execute(
        "CREATE TABLE IF NOT EXISTS HidMSGNew (id INTEGER PRIMARY KEY,telephone TEXT,statue "
        "TEXT);");
}

void HushvaultSqlite::creatSecretVersionSqlite() {
    execute("CREATE TABLE IF NOT EXISTS HidMSGVersion (id INTEGER PRIMARY KEY,version TEXT);");
}

// --- settings rows ------------------------------------------------------------------------

namespace {

constexpr const char* kInsertSetting =
    "INSERT OR REPLACE INTO HidMSGNew(id ,telephone, statue) VALUES (?,?,?);";
constexpr const char* kUpdateSetting = "UPDATE HidMSGNew SET telephone=?1 WHERE statue=?2;";

}  // namespace

std::int32_t HushvaultSqlite::addSMS(const std::string& value, const std::string& key) {
    return insert(kInsertSetting, value, key);
}

bool HushvaultSqlite::inTransaction(const std::function<bool()>& body) {
    if (!open()) return false;
    OpenConnection connection(*this);
    auto run = [&](const char* sql) {
        return sqlite3_exec(logDataBase, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    };
    if (!run("BEGIN IMMEDIATE;")) {
        noteFailure();
        return false;
    }
    if (!body()) {  // it noted why
        run("ROLLBACK;");
        return false;
    }
    if (run("COMMIT;")) return true;
    noteFailure();
    run("ROLLBACK;");
    return false;
}

bool HushvaultSqlite::addSettingRowsIfNone(
    const std::vector<std::pair<std::string, std::string>>& rows) {
    bool added = false;
    const bool done = inTransaction([&] {
        {
            SqliteStatement count(logDataBase, "SELECT count(*) FROM HidMSGNew;");
            if (!count.nextRow()) {
                noteFailure();
                return false;
            }
            if (count.columnInt(0) > 0) return true;  // seeded before: nothing to do
        }
        for (const auto& [value, key] : rows) {
            SqliteStatement statement(logDataBase, kInsertSetting);
            bindAll(statement, 2, value, key);
            if (!statement.run() || sqlite3_changes(logDataBase) == 0) {
                noteFailure();
                return false;
            }
        }
        added = true;
        return true;
    });
    return done && added;
}

bool HushvaultSqlite::updateSettingRows(
    const std::vector<std::pair<std::string, std::string>>& rows) {
    return inTransaction([&] {
        for (const auto& [key, value] : rows) {
            SqliteStatement statement(logDataBase, kUpdateSetting);
            bindAll(statement, 1, value, key);
            if (!statement.run()) {
                noteFailure();
                return false;
            }
        }
        return true;
    });
}

void HushvaultSqlite::updatetel(const std::string& key, const std::string& value) {
    execute(kUpdateSetting, value, key);
}

std::optional<std::string> HushvaultSqlite::findTelephoneNumber(const std::string& key) {
    std::optional<std::string> value;
    query(
        "SELECT * FROM HidMSGNew WHERE statue = ?1",
        [&](const SqliteStatement& row) { value = row.columnText(1); }, key);
    return value;
}

void HushvaultSqlite::deleteTelephoneNumber(const std::string& key) {
    execute("DELETE FROM HidMSGNew WHERE statue = ?1", key);
}

std::map<std::string, std::string> HushvaultSqlite::findAllNewSMS() {
    std::map<std::string, std::string> settings;
    query("SELECT * FROM HidMSGNew ORDER BY id DESC",
          [&](const SqliteStatement& row) { settings[row.columnText(2)] = row.columnText(1); });
    return settings;
}

// --- message records ----------------------------------------------------------------------

namespace {

constexpr const char* kInsertRecord =
    "INSERT OR REPLACE INTO HidMSG(id ,telephone, content,time,statue) VALUES (?,?,?,?,?);";

}  // namespace

std::int32_t HushvaultSqlite::addSMS(const std::string& telephone, const std::string& content,
                                     const std::optional<std::string>& time,
                                     const std::optional<std::string>& statue) {
    return insert(kInsertRecord, storedNumber(telephone), encryptAtRest(content), time, statue);
}

void HushvaultSqlite::deleteSMSBySMSid(std::int32_t id) {
    execute("DELETE FROM HidMSG WHERE id = ?1", id);
}

void HushvaultSqlite::updateSMSStatue(const std::string& statue, std::int32_t bySMSid) {
    execute("UPDATE HidMSG SET statue = ?1 WHERE id = ?2", statue, bySMSid);
}

std::vector<HiddenMSG> HushvaultSqlite::findSMSByTelephoneNumber(const std::string& telephone) {
    std::vector<HiddenMSG> messages;
    query(
        "SELECT * FROM HidMSG WHERE telephone = ?1",
        [&](const SqliteStatement& row) { messages.push_back(readMessage(row)); },
        storedNumber(telephone));
    return messages;
}

HiddenMSG HushvaultSqlite::findSMSBySMSid(std::int32_t id) {
    HiddenMSG message;
    query(
        "SELECT * FROM HidMSG WHERE id = ?1",
        [&](const SqliteStatement& row) { message = readMessage(row); }, id);
    return message;
}

std::vector<HiddenMSG> HushvaultSqlite::findAllSMS() {
    return listAll<HiddenMSG>("SELECT count(*) FROM HidMSG",
                              "SELECT * FROM HidMSG ORDER BY id DESC", readMessage);
}

void HushvaultSqlite::clearAllSMS() {
    execute("DELETE FROM HidMSG WHERE id !=0 ");
}

void HushvaultSqlite::clearSMSByTelephoneNumber(const std::string& telephone) {
    execute("DELETE FROM HidMSG WHERE telephone = ?1", storedNumber(telephone));
}

// --- secret contacts ----------------------------------------------------------------------

namespace {

constexpr const char* kInsertContact =
    "INSERT OR REPLACE INTO SecContract(id ,name,telephone, passWord,checkCode) VALUES "
    "(?,?,?,?,?);";

}  // namespace

std::int32_t HushvaultSqlite::addContracts(const std::string& name, const std::string& tel,
                                           const std::string& passWD,
                                           const std::string& checkCode) {
    return insert(kInsertContact, encryptAtRest(name), storedNumber(tel), passWD, checkCode);
}

void HushvaultSqlite::update(const std::string& name, const std::string& tel,
                             const std::string& pass, const std::string& isIphone,
                             std::int32_t byid) {
    execute("UPDATE SecContract SET name=?1,telephone=?2,passWord=?3,checkCode=?4 WHERE id= ?5;",
            encryptAtRest(name), storedNumber(tel), pass, isIphone, byid);
}

void HushvaultSqlite::deleteContractByid(std::int32_t id) {
    execute("DELETE FROM SecContract WHERE id =?1 ", id);
}

void HushvaultSqlite::clearContractsById(std::int32_t id) {
    deleteContractByid(id);
}

void HushvaultSqlite::deletAllContracts() {
    execute("DELETE FROM SecContract WHERE id !=0 ");
}

Contacts HushvaultSqlite::findContractByTelephoneNumber(const std::string& telephone) {
    Contacts contact;
    query(
        "SELECT * FROM SecContract WHERE telephone = ?1",
        [&](const SqliteStatement& row) { contact = readContact(row); }, storedNumber(telephone));
    return contact;
}

Contacts HushvaultSqlite::findContractByCheckCode(const std::string& checkCode) {
    Contacts contact;
    query(
        "SELECT * FROM SecContract WHERE checkCode = ?1",
        [&](const SqliteStatement& row) { contact = readContact(row); }, checkCode);
    return contact;
}

std::vector<Contacts> HushvaultSqlite::findAllContracts() {
    return listAll<Contacts>("SELECT count(*) FROM SecContract",
                             "SELECT * FROM SecContract ORDER BY id DESC", readContact);
}

// --- many rows at once -------------------------------------------------------------------

bool HushvaultSqlite::addAll(const std::vector<Contacts>& contacts,
                             const std::vector<HiddenMSG>& records,
                             const std::vector<std::pair<std::string, std::string>>& settings,
                             const std::function<bool()>& beforeCommit) {
    return inTransaction([&] {
        // One statement per table, reset between rows: thousands of rows are one pass.
        auto runEach = [&](const char* sql, const auto& rows, auto bindRow) {
            SqliteStatement statement(logDataBase, sql);
            for (const auto& row : rows) {
                statement.reset();
                bindRow(statement, row);
                if (!statement.run()) {
                    noteFailure();
                    return false;
                }
            }
            return true;
        };
        auto optionalText = [](const std::string& text) {
            return text.empty() ? std::nullopt : std::optional<std::string>(text);
        };
        const bool done =
            runEach(kInsertContact, contacts,
                    [](SqliteStatement& statement, const Contacts& contact) {
                        bindAll(statement, 2, encryptAtRest(contact.name),
                                storedNumber(contact.telePhoneNumber), contact.passWord,
                                contact.iphoneFriend);
                    }) &&
            runEach(kInsertRecord, records,
                    [&](SqliteStatement& statement, const HiddenMSG& record) {
                        bindAll(statement, 2, storedNumber(record.telePhoneNumber),
                                encryptAtRest(record.contents), optionalText(record.time),
                                optionalText(record.statue));
                    });
        if (!done) return false;
        for (const auto& [key, value] : settings) {
            SqliteStatement update(logDataBase, kUpdateSetting);
            bindAll(update, 1, value, key);
            if (!update.run()) {
                noteFailure();
                return false;
            }
            if (sqlite3_changes(logDataBase) > 0) continue;
            SqliteStatement insert(logDataBase, kInsertSetting);
            bindAll(insert, 2, value, key);
            if (!insert.run()) {
                noteFailure();
                return false;
            }
        }
        if (beforeCommit && !beforeCommit()) {
            lastError_ = "the files beside the database could not be written";
            return false;
        }
        return true;
    });
}

// --- versions -----------------------------------------------------------------------------

std::int32_t HushvaultSqlite::addVersion(const std::string& version) {
    return insert("INSERT OR REPLACE INTO HidMSGVersion(id ,version) VALUES (?,?);", version);
}

bool HushvaultSqlite::findByVersion(const std::string& version) {
    bool found = false;
    query(
        "SELECT * FROM HidMSGVersion WHERE version = ?1",
        [&](const SqliteStatement&) { found = true; }, version);
    return found;
}

}  // namespace hv
