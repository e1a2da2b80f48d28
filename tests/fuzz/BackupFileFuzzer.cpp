// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Backup files as anyone may hand them over: bytes of any kind, a good backup cut or altered
// anywhere, and well-sealed contents of any shape. Opening never crashes; altered or cut
// files give no contents; contents that parse plan a restore and read back the same after
// being written again.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "backup/BackupContents.h"
#include "backup/BackupFile.h"
#include "backup/RestorePlan.h"

using namespace hv;

namespace {

constexpr const char* kPassphrase = "fuzzing passphrase";
// Every header asking for more than the cheapest derivation is refused, so an input costs
// microseconds; the bounds themselves are checked the same way.
const KdfParameters kCeiling = KdfParameters::cheapest();

const std::string& goodFile() {
    static const std::string file = [] {
        BackupContents contents;
        contents.writtenBy = "fuzz";
        contents.contacts = {{0, "Lei", "13800138000", "tea", "1"}};
        contents.records = {{0, "13800138000", std::string(70000, 'x'), "2026-01-01", "2"}};
        contents.settings = {{"PassWord", "2468"}};
        return BackupFile::seal(contents.toJson(), kPassphrase, kCeiling).bytes;
    }();
    return file;
}

void checkContents(const std::string& json) {
    const auto contents = BackupContents::fromJson(json);
    if (!contents) return;
    const std::vector<Contacts> here = {{1, "Kai", "13800138000", "milk", "0"}};
    const std::vector<HiddenMSG> records = {{1, "13800138000", "hello", "", ""}};
    const RestorePlan plan = RestorePlan::make(*contents, here, records, {});
    HV_FUZZ_CHECK(plan.contactsToAdd.size() + std::size_t(plan.contactsKept) ==
                  contents->contacts.size());
    HV_FUZZ_CHECK(plan.recordsToAdd.size() + std::size_t(plan.recordsAlreadyThere) ==
                  contents->records.size());
    const auto again = BackupContents::fromJson(contents->toJson());
    HV_FUZZ_CHECK(again.has_value());
    HV_FUZZ_CHECK(again->contacts.size() == contents->contacts.size());
    HV_FUZZ_CHECK(again->records.size() == contents->records.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange<int>(0, 2)) {
        case 0: {  // any bytes
            const auto opened =
                BackupFile::open(input.ConsumeRemainingBytesAsString(), kPassphrase, kCeiling);
            if (opened.error == BackupError::None) checkContents(opened.contents);
            break;
        }
        case 1: {  // a good file cut, then bytes changed
            std::string file = goodFile();
            file.resize(input.ConsumeIntegralInRange<std::size_t>(0, file.size()));
            while (input.remaining_bytes() >= 2 && !file.empty()) {
                const auto at = input.ConsumeIntegralInRange<std::size_t>(0, file.size() - 1);
                file[at] = static_cast<char>(input.ConsumeIntegral<std::uint8_t>());
            }
            const auto opened = BackupFile::open(file, kPassphrase, kCeiling);
            HV_FUZZ_CHECK((opened.error == BackupError::None) == (file == goodFile()));
            if (opened.error == BackupError::None) checkContents(opened.contents);
            break;
        }
        default: {  // contents of any shape, sealed as Hushvault would
            const std::string json = input.ConsumeRemainingBytesAsString();
            const auto sealed = BackupFile::seal(json, kPassphrase, kCeiling);
            const auto opened = BackupFile::open(sealed.bytes, kPassphrase, kCeiling);
            HV_FUZZ_CHECK(opened.error == BackupError::None && opened.contents == json);
            checkContents(json);
            break;
        }
    }
    return 0;
}
