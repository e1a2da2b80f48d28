// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <filesystem>

#include "addressbook/ABContactsHelper.h"
#include "addressbook/AddressBookLocation.h"
#include "addressbook/VCardAddressBook.h"
#include "cli/Actions.h"
#include "cli/CommandLine.h"
#include "cli/JsonFormat.h"
#include "cli/TextFormat.h"

namespace hv::cli {

int listAddressBook(CommandContext& context) {
    const std::string option = std::string("--") + AddressBookLocation::kOptionName;
    const CommandLine line(context.arguments, {{option}, {"--json"}});
    line.positionals(0, "");
    const std::optional<std::string> given = line.value(option);
    if (given && given->empty()) throw UsageError(option + " needs a directory");
    const std::string folder =
        AddressBookLocation::folder(given, context.paths.documentsDirectory());
    // The book itself reads a missing folder as empty; here that is almost always a typo.
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        throw CommandFailed("no address book folder " + folder +
                            (std::filesystem::exists(folder, error) ? " (not a directory)"
                                                                    : " (it does not exist)"));
    // Nor is a folder that cannot be read an empty book.
    if (std::filesystem::directory_iterator(folder, error); error)
        throw CommandFailed("cannot read the address book folder " + folder + " (" +
                            error.message() + ")");

    // Sorted for the user's language, as the screens do; English under the C locale.
    const LocalizedCompare compare;
    int skipped = 0;
    const auto sections =
        ABContactsHelper::contactsDict(VCardAddressBook(folder), compare, &skipped);
    if (line.flag("--json")) {
        nlohmann::json array = nlohmann::json::array();
        for (const auto& section : sections)
            for (const ABContact& contact : section.entries)
                array.push_back(toJson(section.key, contact));
        context.printJson(array);
    } else {
        for (const auto& section : sections)
            for (const ABContact& contact : section.entries)
                context.out << toLine(section.key, contact) << '\n';
    }
    if (skipped > 0)
        context.err << "hushvault-cli: " << skipped
                    << (skipped == 1 ? " card, file or folder" : " cards, files or folders")
                    << " under " << folder << " could not be read\n";
    return 0;
}

}  // namespace hv::cli
