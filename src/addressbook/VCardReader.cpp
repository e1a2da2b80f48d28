// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/VCardReader.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "addressbook/EbookLibrary.h"
#include "addressbook/VCardLegacyText.h"

namespace hv {

namespace {

struct ContactUnref {
    const EbookLibrary* ebook;
    void operator()(EContact* contact) const { ebook->objectUnref(contact); }
};
using ContactPtr = std::unique_ptr<EContact, ContactUnref>;

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return g_ascii_tolower(a) == g_ascii_tolower(b); });
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A line that is exactly the marker, letter case and trailing white space aside.
bool isMarker(std::string_view line, std::string_view marker) {
    return startsWithNoCase(line, marker) && trimmed(line.substr(marker.size())).empty();
}

// Whether the line is a property of the given name ("AGENT:", "agent;...:").
bool isProperty(std::string_view line, std::string_view name) {
    return startsWithNoCase(line, name) && line.size() > name.size() &&
           (line[name.size()] == ':' || line[name.size()] == ';');
}

// The text with every line break written as CR LF. A line break is CR LF, LF CR (as some
// writers put it), or a CR or LF alone; the vCard parser reads all four alike, and so must
// the markers of the cards below, or a card would end where the parser does not see it end.
std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        const char pair = c == '\r' ? '\n' : '\r';
        if (i + 1 < text.size() && text[i + 1] == pair) ++i;
        out += "\r\n";
    }
    return out;
}

// The cards of a file, each from its BEGIN:VCARD line to its END:VCARD line. A card that
// never ends is counted: one whose END is missing before the next BEGIN is cut off there,
// so that the cards after it still read. A BEGIN right after an AGENT property opens a card
// inside the card (vCard 2.1 keeps an assistant's card inside the boss's that way): it is
// not a person of the book, and its lines are not the outer person's, so it is cut out
// with its AGENT line; the outer card keeps its own lines in their order.
std::vector<std::string> splitCards(std::string_view text, int* unfinished) {
    std::vector<std::string> cards;
    std::string card;
    int depth = 0;
    std::string_view previous;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        end = end == std::string_view::npos ? text.size() : end + 1;
        const std::string_view line = text.substr(at, end - at);
        at = end;
        if (isMarker(line, "BEGIN:VCARD")) {
            if (depth > 0 && isProperty(previous, "AGENT")) {
                // The AGENT line goes with the card it introduces.
                if (depth == 1) card.resize(card.size() - previous.size());
                ++depth;
            } else {
                if (depth > 0) ++*unfinished;
                card.assign(line);
                depth = 1;
            }
        } else if (depth > 0 && isMarker(line, "END:VCARD")) {
            if (--depth == 0) {
                card += line;
                cards.push_back(std::move(card));
                card = {};
            }
        } else if (depth == 1) {
            card += line;
        }
        previous = line;
    }
    if (depth > 0) ++*unfinished;
    return cards;
}

std::string text(const char* value) {
    return value ? std::string(trimmed(value)) : std::string();
}

bool hasHanOrKana(const std::string& name) {
    const gchar* end = nullptr;
    if (!g_utf8_validate(name.c_str(), gssize(name.size()), &end)) return false;
    for (const gchar* p = name.c_str(); *p; p = g_utf8_next_char(p)) {
        const GUnicodeScript script = g_unichar_get_script(g_utf8_get_char(p));
        if (script == G_UNICODE_SCRIPT_HAN || script == G_UNICODE_SCRIPT_HIRAGANA ||
            script == G_UNICODE_SCRIPT_KATAKANA || script == G_UNICODE_SCRIPT_HANGUL)
            return true;
    }
    return false;
}

// The display name from the name parts, the way people write it: family name first and
// no spaces in Chinese, Japanese and Korean names, given name first otherwise.
std::string nameOfParts(const ABPerson& person) {
    if (hasHanOrKana(person.lastName + person.firstName + person.middleName))
        return person.lastName + person.middleName + person.firstName;
    std::string name;
    for (const std::string* part : {&person.firstName, &person.middleName, &person.lastName}) {
        if (part->empty()) continue;
        if (!name.empty()) name += ' ';
        name += *part;
    }
    return name;
}

// The whole value of a property: the parser cuts text values at every ";", escaped or
// not, and vCard 2.1 writers seldom escape one inside a name.
std::string valueOf(const EbookLibrary& ebook, EVCardAttribute* attribute) {
    std::string value;
    bool first = true;
    for (GList* part = ebook.attributeGetValues(attribute); part; part = part->next) {
        if (!first) value += ';';
        first = false;
        if (part->data) value += static_cast<const char*>(part->data);
    }
    return std::string(trimmed(value));
}

// A TEL value: text, or a "tel:" URI (vCard 4.0) without its scheme and parameters
// (";ext=...").
std::string phoneNumber(const EbookLibrary& ebook, EVCardAttribute* attribute) {
    const std::string value = valueOf(ebook, attribute);
    if (!startsWithNoCase(value, "tel:")) return value;
    std::string_view number = std::string_view(value).substr(4);
    return std::string(trimmed(number.substr(0, number.find(';'))));
}

std::optional<ABPerson> personOf(const EbookLibrary& ebook, std::string_view card) {
    // The parser stops at a NUL byte and would read the card's first part as all of it,
    // a number cut short among it: such a card is left out, not guessed at.
    if (card.find('\0') != std::string_view::npos) return std::nullopt;
    const std::string source = VCardLegacyText::normalized(card);
    ContactPtr contact(ebook.contactNewFromVcard(source.c_str()), ContactUnref{&ebook});
    if (!contact) return std::nullopt;
    // An EContact is an EVCard (its first member), as the type check of E_VCARD would say.
    EVCard* vcard = reinterpret_cast<EVCard*>(contact.get());
    // Nothing at all could be read from it (not even VERSION): not a card.
    if (!ebook.vcardGetAttributes(vcard)) return std::nullopt;

    ABPerson person;
    // The card's own FN, read first: reading N makes the library add an FN of its own
    // making, given name first, to a card that has none.
    if (EVCardAttribute* fn = ebook.vcardGetAttribute(vcard, EVC_FN))
        person.compositeName = valueOf(ebook, fn);
    if (auto* name = static_cast<EContactName*>(ebook.contactGet(contact.get(), E_CONTACT_NAME))) {
        person.firstName = text(name->given);
        person.middleName = text(name->additional);
        person.lastName = text(name->family);
        ebook.contactNameFree(name);
    }
    if (person.compositeName.empty()) person.compositeName = nameOfParts(person);

    for (GList* item = ebook.vcardGetAttributes(vcard); item; item = item->next) {
        auto* attribute = static_cast<EVCardAttribute*>(item->data);
        if (g_ascii_strcasecmp(ebook.attributeGetName(attribute), EVC_TEL) != 0) continue;
        if (std::string number = phoneNumber(ebook, attribute); !number.empty())
            person.phones.push_back(std::move(number));
    }
    return person;
}

void discard(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

}  // namespace

VCardFile VCardReader::read(std::string_view text) {
    // The library warns on stderr about every malformed line; the cards it can make nothing
    // of are counted instead.
    static std::once_flag quiet;
    std::call_once(quiet, [] {
        g_log_set_handler("libebook-contacts",
                          GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE |
                                         G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG),
                          discard, nullptr);
    });
    // Files saved by some editors start with a byte order mark.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    VCardFile file;
    const std::vector<std::string> cards = splitCards(withCrLf(text), &file.skippedCards);
    // Text that holds no card at all is a file that could not be read.
    if (cards.empty() && file.skippedCards == 0 && !trimmed(text).empty()) file.skippedCards = 1;
    const EbookLibrary* ebook = cards.empty() ? nullptr : EbookLibrary::get();
    if (!ebook) {  // without the parser no card can be read
        file.skippedCards += int(cards.size());
        return file;
    }
    for (const std::string& card : cards) {
        if (auto person = personOf(*ebook, card))
            file.people.push_back(std::move(*person));
        else
            ++file.skippedCards;
    }
    return file;
}

}  // namespace hv
