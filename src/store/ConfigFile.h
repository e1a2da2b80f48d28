// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/PropertyList.h"

namespace hv {

// The configuration file "Conf.ini" in a documents directory: despite its name, an XML
// property list whose root is a dictionary. Every operation reads the whole file anew;
// a set reads it, changes one key, keeps every other key and writes it back atomically.
// Known keys: "isglobleStatus", an integer kept for the advertising component, and
// "WebLinkHost", the host of web links. A cheap value: make one where it is needed.
class ConfigFile {
public:
    explicit ConfigFile(std::string documentsDirectory);

    std::string GetConfigFilePath() const;

    // The text under the key (an integer reads as its decimal text), or nothing when the
    // file cannot be read or the key is missing.
    std::optional<std::string> GetStrValueFromConfigFile(const std::string& key) const;
    bool SetStrValueToConfigFile(const std::string& key, const std::string& value) const;

    // -1 when the file cannot be read as a dictionary, 0 when the key is missing or holds
    // no number, otherwise the number, or the digits a text starts with, kept in range.
    std::int32_t GetIntValueFromConfigFile(const std::string& key) const;
    bool SetIntValueToConfigFile(const std::string& key, std::int32_t value) const;

    // The texts of the array under the key, in order (integers as decimal text, other
    // elements skipped), or nothing when the file cannot be read or the key is missing.
    std::optional<std::vector<std::string>> GetArrayFromConfigFile(const std::string& key) const;
    bool SetArrayToConfigFile(const std::string& key, const std::vector<std::string>& value) const;

    // Sets texts and integers under several keys in one write: all or none.
    bool SetValuesToConfigFile(const std::map<std::string, std::string>& texts,
                               const std::map<std::string, std::int32_t>& numbers) const;

private:
    bool writeValue(const std::string& key, void* value) const;
    bool writeValues(std::vector<std::pair<std::string, PropertyList::Node>>& values) const;

    std::string documentsDirectory_;
};

inline constexpr const char* g_configfile = "Conf.ini";
inline constexpr const char* kConfigAdvertisingStatus = "isglobleStatus";

}  // namespace hv
