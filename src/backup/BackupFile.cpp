// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backup/BackupFile.h"

#include <sodium.h>

#include <array>

#include "backup/BackupHeader.h"

namespace hv {

namespace {

constexpr std::size_t kKeySize = crypto_secretstream_xchacha20poly1305_KEYBYTES;
constexpr std::size_t kPartOverhead = crypto_secretstream_xchacha20poly1305_ABYTES;

// The derived key, wiped when it goes.
struct Key {
    std::array<unsigned char, kKeySize> bytes{};
    ~Key() { sodium_memzero(bytes.data(), bytes.size()); }
};

// Never null, even for an empty text: the library's buffers are always pointers to memory.
const unsigned char* bytesOf(std::string_view text) {
    static const unsigned char nothing = 0;
    return text.data() ? reinterpret_cast<const unsigned char*>(text.data()) : &nothing;
}

bool ready() {
    static const bool initialised = sodium_init() >= 0;
    return initialised;
}

}  // namespace

bool BackupFile::deriveKey(unsigned char* key, std::string_view passphrase,
                           const unsigned char* salt, const KdfParameters& kdf) {
    return ready() &&
           crypto_pwhash(key, kKeySize, passphrase.data(), passphrase.size(), salt, kdf.opsLimit,
                         static_cast<std::size_t>(kdf.memLimit), crypto_pwhash_ALG_ARGON2ID13) == 0;
}

BackupFile::Sealed BackupFile::seal(std::string_view contents, std::string_view passphrase,
                                    const KdfParameters& kdf) {
    Sealed sealed;
    BackupHeader header;
    header.kdf = kdf;
    Key key;
    if (!ready()) {
        sealed.error = BackupError::OutOfMemory;
        return sealed;
    }
    randombytes_buf(header.salt.data(), header.salt.size());
    if (!deriveKey(key.bytes.data(), passphrase, header.salt.data(), kdf)) {
        sealed.error = BackupError::OutOfMemory;
        return sealed;
    }
    crypto_secretstream_xchacha20poly1305_state state;
    crypto_secretstream_xchacha20poly1305_init_push(&state, header.streamHeader.data(),
                                                    key.bytes.data());
    std::string& out = sealed.bytes;
    out = header.bytes();
    const std::string headerBytes = out;
    // The key check, an empty part, then the contents; the last part may be empty.
    const std::size_t parts = contents.size() / kPartSize + 2;
    out.reserve(out.size() + contents.size() + parts * kPartOverhead);
    for (std::size_t i = 0; i < parts; ++i) {
        const std::string_view part =
            i == 0 ? std::string_view() : contents.substr((i - 1) * kPartSize, kPartSize);
        const bool last = i + 1 == parts;
        const std::size_t at = out.size();
        out.resize(at + part.size() + kPartOverhead);
        crypto_secretstream_xchacha20poly1305_push(
            &state, reinterpret_cast<unsigned char*>(out.data() + at), nullptr, bytesOf(part),
            part.size(), bytesOf(headerBytes), headerBytes.size(),
            last ? crypto_secretstream_xchacha20poly1305_TAG_FINAL
                 : crypto_secretstream_xchacha20poly1305_TAG_MESSAGE);
    }
    sodium_memzero(&state, sizeof state);
    return sealed;
}

BackupFile::Opened BackupFile::open(std::string_view file, std::string_view passphrase,
                                    const KdfParameters& ceiling) {
    Opened opened;
    if (file.size() > kMaxFileSize) {
        opened.error = BackupError::TooLarge;
        return opened;
    }
    const BackupHeader::Parsed parsed = BackupHeader::parse(file, ceiling);
    if (parsed.error != BackupError::None) {
        opened.error = parsed.error;
        return opened;
    }
    opened.kdf = parsed.header.kdf;
    // Too short for the key check and an empty final part: cut, no key needed to know.
    if (file.size() < BackupHeader::kSize + 2 * kPartOverhead) {
        opened.error = BackupError::Damaged;
        return opened;
    }
    Key key;
    if (!deriveKey(key.bytes.data(), passphrase, parsed.header.salt.data(), parsed.header.kdf)) {
        opened.error = BackupError::OutOfMemory;
        return opened;
    }
    crypto_secretstream_xchacha20poly1305_state state;
    if (crypto_secretstream_xchacha20poly1305_init_pull(&state, parsed.header.streamHeader.data(),
                                                        key.bytes.data()) != 0) {
        opened.error = BackupError::WrongPassphrase;
        return opened;
    }
    const std::string_view headerBytes = file.substr(0, BackupHeader::kSize);
    std::string_view rest = file.substr(BackupHeader::kSize);
    // The key check tells a wrong passphrase (or a changed header) from damage further on.
    unsigned char tag = 0, nothing = 0;
    if (crypto_secretstream_xchacha20poly1305_pull(&state, &nothing, nullptr, &tag, bytesOf(rest),
                                                   kPartOverhead, bytesOf(headerBytes),
                                                   headerBytes.size()) != 0 ||
        tag != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE) {
        sodium_memzero(&state, sizeof state);
        opened.error = BackupError::WrongPassphrase;
        return opened;
    }
    rest.remove_prefix(kPartOverhead);
    std::string& contents = opened.contents;
    contents.reserve(rest.size());
    for (;;) {
        const std::string_view part = rest.substr(0, kPartSize + kPartOverhead);
        rest.remove_prefix(part.size());
        if (part.size() < kPartOverhead) {
            opened.error = BackupError::Damaged;  // cut between parts
            break;
        }
        const std::size_t at = contents.size();
        contents.resize(at + part.size() - kPartOverhead);
        if (crypto_secretstream_xchacha20poly1305_pull(
                &state, reinterpret_cast<unsigned char*>(contents.data() + at), nullptr, &tag,
                bytesOf(part), part.size(), bytesOf(headerBytes), headerBytes.size()) != 0) {
            opened.error = BackupError::Damaged;
            break;
        }
        const bool final = tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL;
        if (final != rest.empty()) {
            opened.error = BackupError::Damaged;  // ended early, or bytes after the end
            break;
        }
        if (final) break;
    }
    sodium_memzero(&state, sizeof state);
    if (opened.error != BackupError::None) {
        sodium_memzero(contents.data(), contents.size());
        contents.clear();
    }
    return opened;
}

}  // namespace hv
