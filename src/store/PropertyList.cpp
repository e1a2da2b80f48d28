// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/PropertyList.h"

#include <cstring>
#include <limits>

#include "store/AtomicFile.h"

namespace hv {

PropertyList::Node PropertyList::readDictionary(const std::string& path) {
    const auto contents = AtomicFile::read(path);
    if (!contents || contents->empty() || contents->size() > std::numeric_limits<uint32_t>::max())
        return nullptr;
    plist_t root = nullptr;
    plist_from_memory(contents->data(), static_cast<uint32_t>(contents->size()), &root);
    Node owned(root);
    if (!root || plist_get_node_type(root) != PLIST_DICT) return nullptr;
    return owned;
}

bool PropertyList::writeDictionary(const std::string& path, plist_t dictionary) {
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(dictionary, &xml, &length);
    if (!xml) return false;
    const bool written = AtomicFile::write(path, std::string_view(xml, length));
    plist_to_xml_free(xml);
    return written;
}

std::optional<std::string> PropertyList::textOf(plist_t node) {
    switch (plist_get_node_type(node)) {
        case PLIST_STRING: {
            uint64_t length = 0;
            const char* text = plist_get_string_ptr(node, &length);
            // Up to a NUL, which a binary file may hold: the text as written back.
            return text ? std::string(text, ::strnlen(text, length)) : std::string();
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

std::optional<PropertyList::Texts> PropertyList::readTexts(const std::string& path,
                                                           const std::vector<std::string>& keys) {
    const Node dictionary = readDictionary(path);
    if (!dictionary) return std::nullopt;
    Texts texts;
    for (const std::string& key : keys) {
        if (plist_t value = plist_dict_get_item(dictionary.get(), key.c_str()))
            if (auto text = textOf(value)) texts[key] = std::move(*text);
    }
    return texts;
}

bool PropertyList::writeTexts(const std::string& path, const Texts& texts) {
    const Node dictionary(plist_new_dict());
    for (const auto& [key, value] : texts)
        plist_dict_set_item(dictionary.get(), key.c_str(), plist_new_string(value.c_str()));
    return writeDictionary(path, dictionary.get());
}

}  // namespace hv
