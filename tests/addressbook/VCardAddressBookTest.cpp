// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Address books of vCard files as phones, exporters and editors write them.
#include "addressbook/VCardAddressBook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "addressbook/ABContact.h"
#include "support/OrdinaryUser.h"
#include "support/TempDir.h"

using namespace hv;
using Phones = std::vector<std::string>;

namespace {

class VCardAddressBookTest : public ::testing::Test {
protected:
    void write(const std::string& relative, const std::string& text) {
        const std::filesystem::path path = dir.file(relative);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    AddressBookRead read() const { return VCardAddressBook(dir.path()).copyArrayOfAllPeople(); }
    // The one person of a book holding just this card.
    ABPerson only(const std::string& card) {
        write("only.vcf", card);
        const AddressBookRead book = read();
        EXPECT_EQ(book.skipped, 0);
        EXPECT_EQ(book.people.size(), 1u);
        return book.people.empty() ? ABPerson{} : book.people[0];
    }

    test::TempDir dir;
};

std::string card21(const std::string& lines) {
    return "BEGIN:VCARD\r\nVERSION:2.1\r\n" + lines + "END:VCARD\r\n";
}

}  // namespace

TEST_F(VCardAddressBookTest, Version21QuotedPrintableAndCharsets) {
    write("1.vcf", card21("N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E5=BC=A0;=E4=B8=89;;;\r\n"
                          "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E5=BC=A0=E4=B8=89\r\n"
                          "TEL;CELL:13800138000\r\n"));
    write("2.vcf", card21("FN;CHARSET=GBK;ENCODING=QUOTED-PRINTABLE:=C0=EE=CB=C4\r\n"));
    // GBK bytes as they are, name and family name.
    write("3.vcf", card21("N;CHARSET=GBK:\xCD\xF5;\xCE\xE5;;;\r\n"));
    // A soft line break right after a character that is not encoded.
    write("4.vcf", card21("FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=\r\n"
                          "=C3=A9r=C3=B4me Mar=\r\ntin\r\nTEL:1\r\n"));
    const AddressBookRead book = read();
    EXPECT_EQ(book.skipped, 0);
    ASSERT_EQ(book.people.size(), 4u);
    const std::vector<std::tuple<std::string, std::string, std::string, Phones>> expected = {
        {"张三", "张", "三", {"13800138000"}},
        {"李四", "", "", {}},
        {"王五", "王", "五", {}},
        {"Jérôme Martin", "", "", {"1"}}};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(std::tie(book.people[i].compositeName, book.people[i].lastName,
                           book.people[i].firstName, book.people[i].phones),
                  expected[i]);
}

TEST_F(VCardAddressBookTest, FoldedLinesEscapesLineBreaksAndTelephoneUris) {
    struct Case {
        std::string card, name;
        Phones phones;
    };
    std::vector<Case> cases = {
        {"BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smi\r\n th;Jo\r\n\thn;;;\r\nFN:Jo\r\n hn Smi\r\n th\r\n"
         "TEL;TYPE=CELL:+1 555\r\n 0100\r\nTEL;TYPE=HOME:22\r\nEND:VCARD\r\n",
         "John Smith",
         {"+1 5550100", "22"}},
        // An escaped comma and semicolon, and a semicolon nobody escaped.
        {"BEGIN:VCARD\nVERSION:3.0\nFN:Public\\, John\\; Jr\nEND:VCARD\n", "Public, John; Jr", {}},
        {card21("FN:Tom;Jerry\r\n"), "Tom;Jerry", {}},
        {"BEGIN:VCARD\nVERSION:4.0\nFN:Uri\nTEL;VALUE=uri:tel:+1-555-0100\n"
         "TEL;VALUE=uri;TYPE=\"voice,cell\":tel:+1-555-0199;ext=7\nTEL:5550000\nEND:VCARD\n",
         "Uri",
         {"+1-555-0100", "+1-555-0199", "5550000"}},
    };
    // CR LF, LF alone, CR alone (older Macs) and LF CR (the pair written backwards).
    for (const std::string lineBreak : {"\r\n", "\n", "\r", "\n\r"}) {
        std::string card;
        for (const char* line : {"BEGIN:VCARD", "VERSION:3.0", "FN:Mac", "TEL;CELL:139 0000",
                                 " 0000 1111", "TEL:2", "END:VCARD"})
            card += line + lineBreak;
        cases.push_back({card, "Mac", {"139 00000000 1111", "2"}});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.card));
        const ABPerson person = only(c.card);
        EXPECT_EQ(person.compositeName, c.name);
        EXPECT_EQ(person.phones, c.phones);
    }
    EXPECT_EQ(only(cases[0].card).firstName, "John");
    EXPECT_EQ(only(cases[0].card).lastName, "Smith");
}

TEST_F(VCardAddressBookTest, NamesAndPhonesOfCardsWithPartsMissing) {
    write("cards.vcf",
          "BEGIN:VCARD\nVERSION:3.0\nN:Public;John;Q;;\nTEL:1\nTEL:2\nitem1.TEL:3\nEND:VCARD\n"
          "BEGIN:VCARD\nVERSION:3.0\nN:张;三;;;\nEND:VCARD\n"
          "BEGIN:VCARD\nVERSION:3.0\nFN:Cher\nEND:VCARD\n"
          "BEGIN:VCARD\nVERSION:3.0\nTEL:911\nTEL;TYPE=WORK:\nEND:VCARD\n");
    const AddressBookRead book = read();
    EXPECT_EQ(book.skipped, 0);
    ASSERT_EQ(book.people.size(), 4u);

    // Cher is known by a display name alone: no parts are made up for her.
    const std::pair<std::string, Phones> expected[] = {
        {"John Q Public", {"1", "2", "3"}}, {"张三", {}}, {"Cher", {}}, {"", {"911"}}};
    for (std::size_t i = 0; i < book.people.size(); ++i) {
        const ABContact contact(book.people[i]);
        EXPECT_EQ(contact.compositeName(), expected[i].first) << i;
        EXPECT_EQ(contact.phoneArray(), expected[i].second) << i;
    }
}

TEST_F(VCardAddressBookTest, EveryVcfFileBelowTheFolderInPathOrder) {
    const std::string card = "BEGIN:VCARD\nVERSION:3.0\nFN:%\nEND:VCARD\n";
    auto named = [&](const std::string& name) {
        return card.substr(0, card.find('%')) + name + card.substr(card.find('%') + 1);
    };
    write("z.vcf", named("z"));
    write("b/deeper/c.VCF", named("c"));
    write("a.vcf", named("a1") + "text between cards\n" + named("a2") + named("a3"));
    write("notes.txt", named("txt"));
    write("a.vcf.bak", named("bak"));
    write("empty.vcf", "");
    // A folder named like a file is looked into, not read.
    write("folder.vcf/d.vcf", named("d"));
    // A byte order mark before the first card.
    write("bom.vcf", "\xEF\xBB\xBF" + named("bom"));

    const AddressBookRead book = read();
    EXPECT_EQ(book.skipped, 0);
    std::vector<std::string> names;
    for (const ABPerson& person : book.people) names.push_back(person.compositeName);
    EXPECT_EQ(names, (std::vector<std::string>{"a1", "a2", "a3", "c", "bom", "d", "z"}));
}

TEST_F(VCardAddressBookTest, BrokenFilesAndCardsAreSkippedAndCounted) {
    const std::string good = "BEGIN:VCARD\nVERSION:3.0\nFN:Good\nEND:VCARD\n";
    write("good.vcf", good);
    write("garbage.vcf", std::string("\x00\x01garbage\xff\xfe", 11));
    // Cut off at the end, and cut off before the next card.
    write("truncated.vcf", good + "BEGIN:VCARD\nVERSION:3.0\nFN:Cut");
    write("unended.vcf", "BEGIN:VCARD\nVERSION:3.0\nFN:Lost\n" + good);
    // Nothing in it can be read.
    write("hollow.vcf", "BEGIN:VCARD\n\x01\x02\nEND:VCARD\n" + good);
    // A NUL byte, where the parser would stop reading the card.
    write("nul.vcf",
          std::string("BEGIN:VCARD\nVERSION:3.0\nFN:Nul\0Tail\nTEL:1\nEND:VCARD\n", 52) + good);
    // Too large to be an address book.
    write("huge.vcf", good);
    std::filesystem::resize_file(dir.file("huge.vcf"), VCardAddressBook::kMaxFileSize + 1);

    const AddressBookRead book = read();
    EXPECT_EQ(book.skipped, 6);
    EXPECT_EQ(book.people.size(), 5u);
    for (const ABPerson& person : book.people) EXPECT_EQ(person.compositeName, "Good");
}

TEST_F(VCardAddressBookTest, ACardInsideACardIsNoPersonAndLendsItsHolderNothing) {
    // vCard 2.1 keeps an assistant's card inside the boss's, after an AGENT property.
    const std::string assistant = "AGENT:\r\n" + card21("FN:Assistant\r\nTEL:555\r\n");
    struct Case {
        const char* what;
        std::string card;
        std::string name;
        Phones phones;
    };
    const Case cases[] = {
        {"between the numbers",
         card21("FN:Boss\r\nTEL:111\r\n" + assistant + "TEL:222\r\n"),
         "Boss",
         {"111", "222"}},
        {"before the name",
         card21(assistant + "N:Boss;Big;;;\r\nTEL:111\r\n"),
         "Big Boss",
         {"111"}},
        {"holding a card itself",
         card21("FN:Boss\r\nAGENT:\r\n" + card21("FN:Aide\r\n" + assistant + "TEL:7\r\n") +
                "TEL:111\r\n"),
         "Boss",
         {"111"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write("agent.vcf", c.card + card21("FN:Next\r\nTEL:3\r\n"));
        const AddressBookRead book = read();
        EXPECT_EQ(book.skipped, 0);
        ASSERT_EQ(book.people.size(), 2u);
        EXPECT_EQ(book.people[0].compositeName, c.name);
        EXPECT_EQ(book.people[0].phones, c.phones);
        EXPECT_EQ(book.people[1].compositeName, "Next");
        EXPECT_EQ(book.people[1].phones, Phones{"3"});
    }
}

TEST_F(VCardAddressBookTest, FoldersThatCannotBeReadAreCountedNotTakenForEmpty) {
    const std::string good = "BEGIN:VCARD\nVERSION:3.0\nFN:Good\nEND:VCARD\n";
    write("a.vcf", good);
    write("open/b.vcf", good);
    write("locked/c.vcf", good);
    write("locked2/d.vcf", good);
    using std::filesystem::perms;
    for (const char* open : {"", "/open", "/a.vcf", "/open/b.vcf"})
        std::filesystem::permissions(dir.path() + open, perms::owner_all | perms::group_read |
                                                            perms::group_exec | perms::others_read |
                                                            perms::others_exec);
    for (const char* locked : {"locked", "locked2"})
        std::filesystem::permissions(dir.file(locked), perms::none);
    const auto readAsUser = [this](const std::string& folder) {
        test::OrdinaryUser user;
        return VCardAddressBook(folder).copyArrayOfAllPeople();
    };
    AddressBookRead book = readAsUser(dir.path());
    EXPECT_EQ(book.people.size(), 2u);
    EXPECT_EQ(book.skipped, 2) << "the locked sub-folders";

    book = readAsUser(dir.file("locked"));
    EXPECT_TRUE(book.people.empty());
    EXPECT_EQ(book.skipped, 1) << "the book's own folder";
}

TEST_F(VCardAddressBookTest, AFolderThatDoesNotExistReadsAsEmpty) {
    const AddressBookRead book = VCardAddressBook(dir.file("missing")).copyArrayOfAllPeople();
    EXPECT_TRUE(book.people.empty());
    EXPECT_EQ(book.skipped, 0);
}
