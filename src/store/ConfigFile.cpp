// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/ConfigFile.h"

#include <limits>

#include "store/NumberText.h"
#include "store/PropertyList.h"
#include "store/StorePaths.h"

namespace hv {

namespace {

using PlistPtr = PropertyList::Node;

}  // namespace

ConfigFile::ConfigFile(std::string documentsDirectory)
    : documentsDirectory_(std::move(documentsDirectory)) {}

std::string ConfigFile::GetConfigFilePath() const {
    return documentsDirectory_ + "/" + g_configfile;
}

bool ConfigFile::writeValue(const std::string& key, plist_t value) const {
    std::vector<std::pair<std::string, PlistPtr>> values;
    values.emplace_back(key, PlistPtr(value));
    return writeValues(values);
}

bool ConfigFile::writeValues(
    std::vector<std::pair<std::string, PropertyList::Node>>& values) const {
    PlistPtr dictionary = PropertyList::readDictionary(GetConfigFilePath());
    if (!dictionary) dictionary.reset(plist_new_dict());
    for (auto& [key, value] : values) {
        // A file may name the key twice; every earlier entry goes, so the new value is the
        // one read back.
        while (plist_dict_get_item(dictionary.get(), key.c_str()))
            plist_dict_remove_item(dictionary.get(), key.c_str());
        plist_dict_set_item(dictionary.get(), key.c_str(), value.release());  // takes ownership
    }
    return ensureDirectory(documentsDirectory_) &&
           PropertyList::writeDictionary(GetConfigFilePath(), dictionary.get());
}

bool ConfigFile::SetValuesToConfigFile(const std::map<std::string, std::string>& texts,
                                       const std::map<std::string, std::int32_t>& numbers) const {
    std::vector<std::pair<std::string, PlistPtr>> values;
    for (const auto& [key, text] : texts)
        values.emplace_back(key, PlistPtr(plist_new_string(text.c_str())));
    for (const auto& [key, number] : numbers)
        values.emplace_back(
            key, PlistPtr(plist_new_uint(static_cast<uint64_t>(static_cast<int64_t>(number)))));
    return writeValues(values);
}

std::optional<std::string> ConfigFile::GetStrValueFromConfigFile(const std::string& key) const {
    const PlistPtr dictionary = PropertyList::readDictionary(GetConfigFilePath());
    if (!dictionary) return std::nullopt;
    plist_t value = plist_dict_get_item(dictionary.get(), key.c_str());
    if (!value) return std::nullopt;
    return PropertyList::textOf(value);
}

bool ConfigFile::SetStrValueToConfigFile(const std::string& key, const std::string& value) const {
    return writeValue(key, plist_new_string(value.c_str()));
}

std::int32_t ConfigFile::GetIntValueFromConfigFile(const std::string& key) const {
    const PlistPtr dictionary = PropertyList::readDictionary(GetConfigFilePath());
    if (!dictionary) return -1;
    plist_t value = plist_dict_get_item(dictionary.get(), key.c_str());
    if (!value) return 0;
    switch (plist_get_node_type(value)) {
        case PLIST_UINT: {
            uint64_t number = 0;
            plist_get_uint_val(value, &number);
            return clampToInt32(static_cast<double>(static_cast<int64_t>(number)));
        }
        case PLIST_REAL: {
            double number = 0;
            plist_get_real_val(value, &number);
            return clampToInt32(number);
        }
        case PLIST_BOOLEAN: {
            uint8_t flag = 0;
            plist_get_bool_val(value, &flag);
            return flag ? 1 : 0;
        }
        case PLIST_STRING:
            return leadingInt32(*PropertyList::textOf(value));
        default:
            return 0;
    }
}

bool ConfigFile::SetIntValueToConfigFile(const std::string& key, std::int32_t value) const {
    // Negative numbers are kept as their two's complement, which the XML form writes signed.
    return writeValue(key, plist_new_uint(static_cast<uint64_t>(static_cast<int64_t>(value))));
}

std::optional<std::vector<std::string>> ConfigFile::GetArrayFromConfigFile(
    const std::string& key) const {
    const PlistPtr dictionary = PropertyList::readDictionary(GetConfigFilePath());
    if (!dictionary) return std::nullopt;
    plist_t array = plist_dict_get_item(dictionary.get(), key.c_str());
    if (!array || plist_get_node_type(array) != PLIST_ARRAY) return std::nullopt;
    std::vector<std::string> items;
    const uint32_t count = plist_array_get_size(array);
    for (uint32_t i = 0; i < count; ++i) {
        if (auto text = PropertyList::textOf(plist_array_get_item(array, i)))
            items.push_back(std::move(*text));
    }
    return items;
}

bool ConfigFile::SetArrayToConfigFile(const std::string& key,
                                      const std::vector<std::string>& value) const {
    plist_t array = plist_new_array();
    for (const auto& item : value) plist_array_append_item(array, plist_new_string(item.c_str()));
    return writeValue(key, array);
}

}  // namespace hv
