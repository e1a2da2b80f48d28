// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>

#include "addressbook/AddressBook.h"

namespace hv {

// An address book kept as vCard files: every "*.vcf" file below a folder, sub-folders
// included (the way phone books and phone-syncing tools keep them), files in path order,
// cards in file order. A folder that does not exist is an empty book. A folder or file that
// cannot be read, a file larger than kMaxFileSize and a card that cannot be parsed each
// count as one skipped. Nothing is written.
class VCardAddressBook : public AddressBook {
public:
    static constexpr std::uintmax_t kMaxFileSize = 64u << 20;

    explicit VCardAddressBook(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return folder_; }
    AddressBookRead copyArrayOfAllPeople() const override;

private:
    std::filesystem::path folder_;
};

}  // namespace hv
