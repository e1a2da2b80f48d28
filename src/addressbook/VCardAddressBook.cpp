// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/VCardAddressBook.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "addressbook/VCardReader.h"

namespace hv {

namespace {

namespace fs = std::filesystem;

bool isVCardFile(const fs::directory_entry& entry) {
    std::error_code error;
    if (!entry.is_regular_file(error)) return false;
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension == ".vcf";
}

// The ".vcf" files below the folder, sub-folders included. Links to folders are not
// followed (a link back up would never end); links to files are read. A folder that cannot
// be read, or that breaks off while it is read, counts as one left out: its cards are not
// there, and the user is told so rather than shown a book with people missing.
std::vector<fs::path> vcardFiles(const fs::path& folder, int* unread) {
    std::vector<fs::path> files;
    std::error_code error;
    if (fs::symlink_status(folder, error).type() == fs::file_type::not_found)
        return files;  // no folder: an empty book
    std::vector<fs::path> folders = {folder};
    while (!folders.empty()) {
        const fs::path current = std::move(folders.back());
        folders.pop_back();
        fs::directory_iterator it(current, error);
        for (; !error && it != fs::directory_iterator(); it.increment(error)) {
            std::error_code ignored;
            if (isVCardFile(*it))
                files.push_back(it->path());
            else if (!it->is_symlink(ignored) && it->is_directory(ignored))
                folders.push_back(it->path());
        }
        if (error) {
            ++*unread;
            error.clear();
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<std::string> contentsOf(const fs::path& file) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    if (error || size > VCardAddressBook::kMaxFileSize) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return text;
}

}  // namespace

VCardAddressBook::VCardAddressBook(std::filesystem::path folder) : folder_(std::move(folder)) {}

AddressBookRead VCardAddressBook::copyArrayOfAllPeople() const {
    AddressBookRead book;
    for (const fs::path& file : vcardFiles(folder_, &book.skipped)) {
        const auto text = contentsOf(file);
        if (!text) {
            ++book.skipped;
            continue;
        }
        VCardFile cards = VCardReader::read(*text);
        book.skipped += cards.skippedCards;
        std::move(cards.people.begin(), cards.people.end(), std::back_inserter(book.people));
    }
    return book;
}

}  // namespace hv
