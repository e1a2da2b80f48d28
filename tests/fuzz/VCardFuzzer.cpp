// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vCard files from other phones, through the address book: no person is reported with a
// number the file does not hold, and no more persons than it has cards.
#include <filesystem>

#include "FuzzSupport.h"
#include "addressbook/VCardAddressBook.h"

using namespace hv;

namespace {

std::size_t occurrences(const std::string& text, std::string_view needle) {
    std::size_t count = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos;
         at = text.find(needle, at + 1))
        ++count;
    return count;
}

// The file with folded lines joined, the way a reader of cards sees it: a line break
// (CR LF, LF CR, or a CR or LF alone) followed by a space or a tab joins the lines.
std::string unfolded(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            out += text[i];
            continue;
        }
        const bool pair = text.compare(i, 2, "\r\n") == 0 || text.compare(i, 2, "\n\r") == 0;
        const std::size_t lineBreak = pair ? 2 : 1;
        const std::size_t next = i + lineBreak;
        if (next < text.size() && (text[next] == ' ' || text[next] == '\t')) {
            i = next;  // the break and the space go
        } else {
            out += '\n';
            i = next - 1;
        }
    }
    return out;
}

// Characters a number is written with; a value made of these can come from nowhere but
// the file's own text (escapes and encodings make other characters or none of these).
bool isPlainNumber(const std::string& number) {
    return number.find_first_not_of("0123456789+-() ") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path folder = [] {
        std::filesystem::path path = std::filesystem::path(fuzz::scratchDirectory()) / "book";
        std::filesystem::create_directories(path);
        return path;
    }();
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz::writeScratchFile((folder / "contacts.vcf").string(), text);

    const AddressBookRead book = VCardAddressBook(folder).copyArrayOfAllPeople();
    // Folded lines joined first: "BEGIN:VC" and "ARD" on two lines are one marker.
    const std::string joined = unfolded(text);
    const std::string lower = fuzz::lowered(joined);
    HV_FUZZ_CHECK(book.people.size() <= occurrences(lower, "begin:vcard"));

    // Values may be encoded (quoted-printable, Base64): only then may a number's text be
    // absent from the file as it stands.
    const bool encoded = lower.find("quoted-printable") != std::string::npos ||
                         lower.find("base64") != std::string::npos ||
                         lower.find("encoding=b") != std::string::npos;
    std::size_t numbers = 0;
    for (const ABPerson& person : book.people) {
        numbers += person.phones.size();
        for (const std::string& number : person.phones) {
            HV_FUZZ_CHECK(!number.empty());
            if (!encoded && isPlainNumber(number))
                HV_FUZZ_CHECK(joined.find(number) != std::string::npos);
        }
    }
    HV_FUZZ_CHECK(numbers <= occurrences(lower, "tel"));
    return 0;
}
