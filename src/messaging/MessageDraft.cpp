#include "messaging/MessageDraft.h"

#include <cstdio>

#include "store/PropertyList.h"
#include "store/StorePaths.h"

namespace hv {

std::string MessageDraft::path() {
    return StorePaths::temporaryDirectory() + "/tempMessage";
}

std::optional<MessageDraft> MessageDraft::load() {
    const auto texts = PropertyList::readTexts(path());
    if (!texts) return std::nullopt;
    auto value = [&](const char* key) {
        const auto found = texts->find(key);
        return found == texts->end() ? std::string() : found->second;
    };
    return MessageDraft{value("Name"), value("Telephone"), value("Text"), value("Password"),
                        value("Friend")};
}

bool MessageDraft::save() const {
    return PropertyList::writeTexts(path(), {{"Name", name},
                                             {"Telephone", telephone},
                                             {"Text", text},
                                             {"Password", password},
                                             {"Friend", friendFlag}});
}

void MessageDraft::remove() {
    std::remove(path().c_str());
}

}  // namespace hv
