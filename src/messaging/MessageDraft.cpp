// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/MessageDraft.h"

#include <cstdio>

#include "store/AtomicFile.h"
#include "store/PropertyList.h"
#include "store/StorePaths.h"

namespace hv {

namespace {

const std::vector<std::string> kKeys = {"Name", "Telephone", "Text", "Password", "Friend"};

}  // namespace

std::string MessageDraft::path(const std::string& temporaryDirectory) {
    return temporaryDirectory + "/tempMessage";
}

std::optional<MessageDraft> MessageDraft::load(const std::string& temporaryDirectory) {
    const auto texts = PropertyList::readTexts(path(temporaryDirectory), kKeys);
    if (!texts) return std::nullopt;
    auto value = [&](const char* key) {
        const auto found = texts->find(key);
        return found == texts->end() ? std::string() : found->second;
    };
    return MessageDraft{value("Name"), value("Telephone"), value("Text"), value("Password"),
                        value("Friend")};
}

bool MessageDraft::save(const std::string& temporaryDirectory) const {
    // A write killed earlier may have left the text and password in a temporary file.
    AtomicFile::removeLeftovers(path(temporaryDirectory));
    return ensureDirectory(temporaryDirectory) &&
           PropertyList::writeTexts(path(temporaryDirectory), {{"Name", name},
                                                               {"Telephone", telephone},
                                                               {"Text", text},
                                                               {"Password", password},
                                                               {"Friend", friendFlag}});
}

void MessageDraft::remove(const std::string& temporaryDirectory) {
    std::remove(path(temporaryDirectory).c_str());
    AtomicFile::removeLeftovers(path(temporaryDirectory));
}

}  // namespace hv
