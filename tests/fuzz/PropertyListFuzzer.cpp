// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Conf.ini" and the other property lists, as files anyone with the user's rights may have
// written (XML or binary). Reading gives the same texts however it is asked; a set changes
// the one key, keeps every other text entry, and reads back as what was set.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "store/ConfigFile.h"
#include "store/PropertyList.h"

using namespace hv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string file = input.ConsumeRemainingBytesAsString();

    const ConfigFile config(fuzz::scratchDirectory());
    const std::string path = config.GetConfigFilePath();
    fuzz::writeScratchFile(path, file);

    // Keys and values reach the file as C strings.
    const std::string setKey = key.substr(0, key.find('\0'));
    const std::string setValue = value.substr(0, value.find('\0'));
    const std::vector<std::string> keys = {kConfigAdvertisingStatus, "WebLinkHost",
                                           "KdeConnectDevice", "ContactsDirectory", setKey};

    const auto before = PropertyList::readTexts(path, keys);
    if (!before) {
        HV_FUZZ_CHECK(config.GetIntValueFromConfigFile(kConfigAdvertisingStatus) == -1);
        HV_FUZZ_CHECK(!config.GetStrValueFromConfigFile("WebLinkHost"));
    }
    if (before) {
        for (const auto& [name, text] : *before)
            HV_FUZZ_CHECK(config.GetStrValueFromConfigFile(name) == text);
    }
    config.GetIntValueFromConfigFile(key);
    config.GetArrayFromConfigFile(key);

    if (config.SetStrValueToConfigFile(setKey, setValue)) {
        const auto after = PropertyList::readTexts(path, keys);
        HV_FUZZ_CHECK(after.has_value());
        HV_FUZZ_CHECK(config.GetStrValueFromConfigFile(setKey) == setValue);
        if (before) {
            // Beside the same file written back unchanged: a file may name a key twice,
            // and which of the two is read can change with the writing.
            const std::string unchanged = fuzz::scratchDirectory() + "/unchanged.plist";
            fuzz::writeScratchFile(unchanged, file);
            const PropertyList::Node dictionary = PropertyList::readDictionary(unchanged);
            HV_FUZZ_CHECK(PropertyList::writeDictionary(unchanged, dictionary.get()));
            auto expected = *PropertyList::readTexts(unchanged, keys);
            expected[setKey] = setValue;
            HV_FUZZ_CHECK(*after == expected);
        }
    }
    return 0;
}
