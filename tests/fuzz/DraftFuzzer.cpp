// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The composer's draft, a property list in the temporary directory: whatever the file holds
// loads or gives nothing, and a draft saved is the draft loaded.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "crypto/Utf8.h"
#include "messaging/MessageDraft.h"

using namespace hv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& directory = fuzz::scratchDirectory();
    FuzzedDataProvider input(data, size);
    MessageDraft draft;
    // Typed texts are UTF-8 (the composer's fields give nothing else) with no NUL.
    auto typed = [&](std::size_t most) {
        std::string text = input.ConsumeRandomLengthString(most);
        return text.substr(0, text.find('\0'));
    };
    draft.name = typed(32);
    draft.telephone = typed(24);
    draft.password = typed(24);
    draft.friendFlag = input.ConsumeBool() ? "1" : "0";
    draft.text = typed(400);
    const std::string file = input.ConsumeRemainingBytesAsString();

    fuzz::writeScratchFile(MessageDraft::path(directory), file);
    MessageDraft::load(directory);

    for (const std::string* field : {&draft.name, &draft.telephone, &draft.password, &draft.text})
        if (!isValidUtf8(*field)) return 0;
    HV_FUZZ_CHECK(draft.save(directory));
    const auto loaded = MessageDraft::load(directory);
    HV_FUZZ_CHECK(loaded.has_value());
    HV_FUZZ_CHECK(loaded->name == draft.name && loaded->telephone == draft.telephone &&
                  loaded->password == draft.password && loaded->friendFlag == draft.friendFlag &&
                  loaded->text == draft.text);
    return 0;
}
