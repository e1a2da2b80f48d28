#include "store/ConfigFile.h"

#include <plist/plist.h>

#include <limits>
#include <memory>

#include "store/AtomicFile.h"
#include "store/NumberText.h"
#include "store/StorePaths.h"

namespace hv {

namespace {

struct PlistDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

// The file's root dictionary, or nothing when it is missing or not a dictionary.
PlistPtr readDictionary() {
    const auto contents = AtomicFile::read(ConfigFile::GetConfigFilePath());
    if (!contents || contents->empty() || contents->size() > std::numeric_limits<uint32_t>::max())
        return nullptr;
    plist_t root = nullptr;
    plist_from_memory(contents->data(), static_cast<uint32_t>(contents->size()), &root);
    PlistPtr owned(root);
    if (!root || plist_get_node_type(root) != PLIST_DICT) return nullptr;
    return owned;
}

bool writeValue(const std::string& key, plist_t value) {
    PlistPtr dictionary = readDictionary();
    if (!dictionary) dictionary.reset(plist_new_dict());
    plist_dict_set_item(dictionary.get(), key.c_str(), value);  // takes ownership of value
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(dictionary.get(), &xml, &length);
    if (!xml) return false;
    const std::string& directory = StorePaths::documentsDirectory();
    const bool written =
        StorePaths::ensureDirectory(directory) &&
        AtomicFile::write(ConfigFile::GetConfigFilePath(), std::string_view(xml, length));
    plist_to_xml_free(xml);
    return written;
}

std::optional<std::string> textOf(plist_t node) {
    switch (plist_get_node_type(node)) {
        case PLIST_STRING: {
            uint64_t length = 0;
            const char* text = plist_get_string_ptr(node, &length);
            return std::string(text ? text : "", text ? length : 0);
        }
        case PLIST_UINT: {
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            return std::to_string(static_cast<int64_t>(value));
        }
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string ConfigFile::GetConfigFilePath() {
    return StorePaths::documentsDirectory() + "/" + g_configfile;
}

std::optional<std::string> ConfigFile::GetStrValueFromConfigFile(const std::string& key) {
    const PlistPtr dictionary = readDictionary();
    if (!dictionary) return std::nullopt;
    plist_t value = plist_dict_get_item(dictionary.get(), key.c_str());
    if (!value) return std::nullopt;
    return textOf(value);
}

bool ConfigFile::SetStrValueToConfigFile(const std::string& key, const std::string& value) {
    return writeValue(key, plist_new_string(value.c_str()));
}

std::int32_t ConfigFile::GetIntValueFromConfigFile(const std::string& key) {
    const PlistPtr dictionary = readDictionary();
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
            return leadingInt32(*textOf(value));
        default:
            return 0;
    }
}

bool ConfigFile::SetIntValueToConfigFile(const std::string& key, std::int32_t value) {
    // Negative numbers are kept as their two's complement, which the XML form writes signed.
    return writeValue(key, plist_new_uint(static_cast<uint64_t>(static_cast<int64_t>(value))));
}

std::optional<std::vector<std::string>> ConfigFile::GetArrayFromConfigFile(const std::string& key) {
    const PlistPtr dictionary = readDictionary();
    if (!dictionary) return std::nullopt;
    plist_t array = plist_dict_get_item(dictionary.get(), key.c_str());
    if (!array || plist_get_node_type(array) != PLIST_ARRAY) return std::nullopt;
    std::vector<std::string> items;
    const uint32_t count = plist_array_get_size(array);
    for (uint32_t i = 0; i < count; ++i) {
        if (auto text = textOf(plist_array_get_item(array, i))) items.push_back(std::move(*text));
    }
    return items;
}

bool ConfigFile::SetArrayToConfigFile(const std::string& key,
                                      const std::vector<std::string>& value) {
    plist_t array = plist_new_array();
    for (const auto& item : value) plist_array_append_item(array, plist_new_string(item.c_str()));
    return writeValue(key, array);
}

}  // namespace hv
