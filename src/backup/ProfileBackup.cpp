// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backup/ProfileBackup.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>

#include "Version.h"
#include "backup/BackupFile.h"
#include "store/AtomicFile.h"
#include "store/ConfigFile.h"
#include "store/HushvaultSqlite.h"

namespace hv {

namespace {

bool isIntegerKey(const std::string& key) {
    return std::any_of(std::begin(kConfigIntegerKeys), std::end(kConfigIntegerKeys),
                       [&](const char* name) { return key == name; });
}

std::map<std::string, std::string> configTexts(const ConfigFile& config) {
    std::map<std::string, std::string> texts;
    for (const char* key : kBackedUpConfigKeys)
        if (auto value = config.GetStrValueFromConfigFile(key)) texts[key] = *value;
    return texts;
}

// Writes the keys in one go; integer keys whose text is no 32-bit number are skipped.
bool writeConfig(const ConfigFile& config, const std::map<std::string, std::string>& values) {
    std::map<std::string, std::string> texts;
    std::map<std::string, std::int32_t> numbers;
    for (const auto& [key, value] : values) {
        if (!isIntegerKey(key)) {
            texts[key] = value;
            continue;
        }
        std::int32_t number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (error == std::errc() && end == value.data() + value.size()) numbers[key] = number;
    }
    return config.SetValuesToConfigFile(texts, numbers);
}

}  // namespace

ProfileBackup::ProfileBackup(std::string documentsDirectory)
    : documentsDirectory_(std::move(documentsDirectory)) {}

bool ProfileBackup::isLongEnough(std::string_view passphrase) {
    // Characters, not bytes: a continuation byte (10xxxxxx) starts none.
    const auto characters = std::count_if(passphrase.begin(), passphrase.end(),
                                          [](char c) { return (c & 0xc0) != 0x80; });
    return static_cast<std::size_t>(characters) >= kMinimumPassphraseLength;
}

BackupError ProfileBackup::collect(BackupContents& contents) const {
    HushvaultSqlite store(documentsDirectory_);
    contents.writtenBy = kHushvaultVersion;
    contents.contacts = store.findAllContracts();
    if (!store.lastError().empty()) return BackupError::CannotReadProfile;
    contents.records = store.findAllSMS();
    if (!store.lastError().empty()) return BackupError::CannotReadProfile;
    contents.settings = store.findAllNewSMS();
    if (!store.lastError().empty()) return BackupError::CannotReadProfile;
    // The store lists newest first; the file keeps them in the order they were made.
    std::reverse(contents.contacts.begin(), contents.contacts.end());
    std::reverse(contents.records.begin(), contents.records.end());
    contents.config = configTexts(ConfigFile(documentsDirectory_));
    return BackupError::None;
}

BackupError ProfileBackup::create(const std::string& file, std::string_view passphrase,
                                  const KdfParameters& kdf, BackupContents* written) const {
    if (!isLongEnough(passphrase)) return BackupError::ShortPassphrase;
    BackupContents contents;
    if (const BackupError error = collect(contents); error != BackupError::None) return error;
    const BackupFile::Sealed sealed = BackupFile::seal(contents.toJson(), passphrase, kdf);
    if (sealed.error != BackupError::None) return sealed.error;
    if (!AtomicFile::write(file, sealed.bytes)) return BackupError::CannotWrite;
    if (written) *written = std::move(contents);
    return BackupError::None;
}

BackupError ProfileBackup::read(const std::string& file, std::string_view passphrase,
                                BackupContents& contents) {
    const auto bytes = AtomicFile::read(file);
    if (!bytes) return BackupError::CannotRead;
    const BackupFile::Opened opened = BackupFile::open(*bytes, passphrase);
    if (opened.error != BackupError::None) return opened.error;
    auto parsed = BackupContents::fromJson(opened.contents);
    if (!parsed) return BackupError::BadContents;
    contents = std::move(*parsed);
    return BackupError::None;
}

BackupError ProfileBackup::plan(const BackupContents& contents, RestorePlan& plan) const {
    HushvaultSqlite store(documentsDirectory_);
    const auto contacts = store.findAllContracts();
    if (!store.lastError().empty()) return BackupError::CannotReadProfile;
    const auto records = store.findAllSMS();
    if (!store.lastError().empty()) return BackupError::CannotReadProfile;
    plan = RestorePlan::make(contents, contacts, records,
                             configTexts(ConfigFile(documentsDirectory_)));
    return BackupError::None;
}

BackupError ProfileBackup::apply(const RestorePlan& plan) const {
    if (plan.empty()) return BackupError::None;
    const ConfigFile config(documentsDirectory_);
    const std::string configPath = config.GetConfigFilePath();
    const auto configBefore = AtomicFile::read(configPath);
    bool configWritten = false;
    HushvaultSqlite store(documentsDirectory_);
    const bool committed =
        store.addAll(plan.contactsToAdd, plan.recordsToAdd, plan.settingsToSet, [&] {
            if (plan.configToSet.empty()) return true;
            configWritten = writeConfig(config, plan.configToSet);
            return configWritten;
        });
    if (committed) return BackupError::None;
    // The database rolled back: Conf.ini goes back to what it was too.
    if (configWritten) {
        if (configBefore)
            AtomicFile::write(configPath, *configBefore);
        else
            ::unlink(configPath.c_str());
    }
    return BackupError::CannotWrite;
}

}  // namespace hv
