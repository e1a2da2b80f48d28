// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <plist/plist.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hv {

// Property-list files (XML or binary; written as XML) whose root is a dictionary, read
// and written whole. Writes are atomic and leave the file readable by the user alone.
namespace PropertyList {

struct Deleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using Node = std::unique_ptr<void, Deleter>;
using Texts = std::map<std::string, std::string>;

// The file's root dictionary, or null when the file is missing, unreadable or holds
// anything but a dictionary.
Node readDictionary(const std::string& path);
bool writeDictionary(const std::string& path, plist_t dictionary);

// A text entry's value, up to a NUL it may hold; an integer reads as its decimal text;
// other kinds give nothing.
std::optional<std::string> textOf(plist_t node);

// The text entries (see textOf) under the given keys, or nothing when the file cannot be
// read. Only named keys are looked up: the library aborts the process when asked for a key
// that holds a NUL byte, which a binary file can carry, so the dictionary is never walked.
std::optional<Texts> readTexts(const std::string& path, const std::vector<std::string>& keys);
bool writeTexts(const std::string& path, const Texts& texts);

}  // namespace PropertyList

}  // namespace hv
