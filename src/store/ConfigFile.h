#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hv {

// The configuration file "Conf.ini" in the documents directory: despite its name, an XML
// property list whose root is a dictionary. Every operation reads the whole file anew;
// a set reads it, changes one key, keeps every other key and writes it back atomically.
// Known key: "isglobleStatus", an integer kept for the advertising component.
class ConfigFile {
public:
    static std::string GetConfigFilePath();

    // The text under the key (an integer reads as its decimal text), or nothing when the
    // file cannot be read or the key is missing.
    static std::optional<std::string> GetStrValueFromConfigFile(const std::string& key);
    static bool SetStrValueToConfigFile(const std::string& key, const std::string& value);

    // -1 when the file cannot be read as a dictionary, 0 when the key is missing or holds
    // no number, otherwise the number (or the leading integer of a text), kept in range.
    static std::int32_t GetIntValueFromConfigFile(const std::string& key);
    static bool SetIntValueToConfigFile(const std::string& key, std::int32_t value);

    // The texts of the array under the key, in order (integers as decimal text, other
    // elements skipped), or nothing when the file cannot be read or the key is missing.
    static std::optional<std::vector<std::string>> GetArrayFromConfigFile(const std::string& key);
    static bool SetArrayToConfigFile(const std::string& key, const std::vector<std::string>& value);
};

inline constexpr const char* g_configfile = "Conf.ini";
inline constexpr const char* kConfigAdvertisingStatus = "isglobleStatus";

}  // namespace hv
