// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The backup file on its own: whatever is sealed opens again with the passphrase, and every
// kind of damage is refused with its reason before any contents come out.
#include "backup/BackupFile.h"

#include <gtest/gtest.h>

#include "backup/BackupContents.h"
#include "backup/BackupHeader.h"

using namespace hv;

namespace {

constexpr const char* kPassphrase = "correct horse battery";

std::string sealed(std::string_view contents, KdfParameters kdf = KdfParameters::cheapest()) {
    auto result = BackupFile::seal(contents, kPassphrase, kdf);
    EXPECT_EQ(result.error, BackupError::None);
    return result.bytes;
}

BackupError openError(const std::string& file, const char* passphrase = kPassphrase) {
    const auto opened = BackupFile::open(file, passphrase);
    EXPECT_TRUE(opened.error == BackupError::None || opened.contents.empty());
    return opened.error;
}

std::string withLittleEndian(std::string file, std::size_t at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
    return file;
}

}  // namespace

TEST(BackupFileTest, OpensToWhatWasSealedAndRecordsItsCosts) {
    // Part sizes around the edges: empty, one part exactly, one byte more, several parts.
    for (std::size_t size : {std::size_t(0), std::size_t(1), BackupFile::kPartSize,
                             BackupFile::kPartSize + 1, 3 * BackupFile::kPartSize + 5}) {
        SCOPED_TRACE(size);
        std::string contents(size, '\0');
        for (std::size_t i = 0; i < size; ++i) contents[i] = static_cast<char>(i * 7);
        const std::string file = sealed(contents);
        const std::size_t parts = size / BackupFile::kPartSize + 2;  // and the key check
        EXPECT_EQ(file.size(), BackupHeader::kSize + size + parts * 17);
        const auto opened = BackupFile::open(file, kPassphrase);
        ASSERT_EQ(opened.error, BackupError::None);
        EXPECT_EQ(opened.contents, contents);
        EXPECT_EQ(opened.kdf, KdfParameters::cheapest());
        // A fresh salt and stream header each time.
        EXPECT_NE(sealed(contents), file);
    }
}

TEST(BackupFileTest, EveryDamageIsRefusedWithItsReason) {
    const std::string contents(2 * BackupFile::kPartSize + 100, 'x');
    const std::string file = sealed(contents);
    // The header and the key check; a whole part of contents.
    const std::size_t header = BackupHeader::kSize + 17, part = BackupFile::kPartSize + 17;
    auto flipped = [&](std::size_t at) {
        std::string copy = file;
        copy[at] ^= 0x01;
        return copy;
    };
    // Parts 0 and 1 swapped.
    std::string reordered = file.substr(0, header) + file.substr(header + part, part) +
                            file.substr(header, part) + file.substr(header + 2 * part);
    struct Case {
        const char* what;
        std::string bytes;
        BackupError expected;
    };
    const Case cases[] = {
        {"empty", "", BackupError::NotABackup},
        {"cut at a part's end", file.substr(0, header + part), BackupError::Damaged},
        {"an empty final part appended", file + file.substr(file.size() - 17),
         BackupError::Damaged},
        {"parts reordered", reordered, BackupError::Damaged},
        {"magic changed", flipped(0), BackupError::NotABackup},
        {"salt changed", flipped(30), BackupError::WrongPassphrase},
        {"a later part changed", flipped(header + part + 10), BackupError::Damaged},
        {"a newer version", withLittleEndian(file, 8, 2, 2), BackupError::NewerFormat},
        {"passes beyond bounds", withLittleEndian(file, 12, 0xffffffff, 4),
         BackupError::HostileParameters},
        {"memory beyond bounds", withLittleEndian(file, 16, std::uint64_t(1) << 40, 8),
         BackupError::HostileParameters},
        // Within bounds but not what it was made with: the key differs.
        {"passes changed", withLittleEndian(file, 12, 2, 4), BackupError::WrongPassphrase},
    };
    for (const Case& c : cases) EXPECT_EQ(openError(c.bytes), c.expected) << c.what;
    EXPECT_EQ(openError(file, "correct horse battery "), BackupError::WrongPassphrase);
    // A ceiling below the file's costs refuses it before deriving; one at them does not.
    const KdfParameters made = KdfParameters::cheapest();
    EXPECT_EQ(BackupFile::open(file, kPassphrase, {made.opsLimit, made.memLimit - 1}).error,
              BackupError::HostileParameters);
    EXPECT_EQ(BackupFile::open(file, kPassphrase, made).error, BackupError::None);
}

TEST(BackupContentsTest, FieldsOfALaterVersionArePassedOverAndWrongTypesRefused) {
    auto document = [](const std::string& format, const std::string& contacts,
                       const std::string& settings, const std::string& more = "") {
        return R"({"format":")" + format + R"(","writtenBy":"1","contacts":)" + contacts +
               R"(,"records":[],"settings":)" + settings + R"(,"config":{})" + more + "}";
    };
    EXPECT_TRUE(BackupContents::fromJson(document("hushvault-backup", "[]", "{}", R"(,"x":[1])")));
    for (const std::string& bad :
         {document("other", "[]", "{}"), document("hushvault-backup", "{}", "{}"),
          document("hushvault-backup",
                   R"([{"name":"a","number":"1","password":7,"phoneType":null}])", "{}"),
          document("hushvault-backup", "[]", R"({"a":1})")})
        EXPECT_FALSE(BackupContents::fromJson(bad)) << bad;
}
