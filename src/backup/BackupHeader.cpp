// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backup/BackupHeader.h"

#include <sodium.h>

#include <algorithm>

namespace hv {

namespace {

static_assert(crypto_pwhash_SALTBYTES == 16);
static_assert(crypto_secretstream_xchacha20poly1305_HEADERBYTES == 24);

template <class Integer>
void putLittleEndian(std::string& out, Integer value) {
    for (std::size_t i = 0; i < sizeof(Integer); ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

template <class Integer>
Integer getLittleEndian(std::string_view bytes, std::size_t at) {
    Integer value = 0;
    for (std::size_t i = 0; i < sizeof(Integer); ++i)
        value |= static_cast<Integer>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

}  // namespace

std::string BackupHeader::bytes() const {
    std::string out(kMagic);
    putLittleEndian(out, formatVersion);
    out.push_back(static_cast<char>(kArgon2id13));
    out.push_back('\0');
    putLittleEndian(out, kdf.opsLimit);
    putLittleEndian(out, kdf.memLimit);
    out.append(reinterpret_cast<const char*>(salt.data()), salt.size());
    out.append(reinterpret_cast<const char*>(streamHeader.data()), streamHeader.size());
    return out;
}

BackupHeader::Parsed BackupHeader::parse(std::string_view file, const KdfParameters& ceiling) {
    Parsed parsed;
    if (file.size() < kSize || file.substr(0, kMagic.size()) != kMagic) {
        parsed.error = BackupError::NotABackup;
        return parsed;
    }
    BackupHeader& header = parsed.header;
    header.formatVersion = getLittleEndian<std::uint16_t>(file, 8);
    // A later version may lay out what follows its version differently: read no further.
    if (header.formatVersion > kFormatVersion) {
        parsed.error = BackupError::NewerFormat;
        return parsed;
    }
    if (header.formatVersion == 0 || static_cast<std::uint8_t>(file[10]) != kArgon2id13 ||
        file[11] != '\0') {
        parsed.error = BackupError::NotABackup;
        return parsed;
    }
    header.kdf.opsLimit = getLittleEndian<std::uint32_t>(file, 12);
    header.kdf.memLimit = getLittleEndian<std::uint64_t>(file, 16);
    if (!header.kdf.withinBounds() || header.kdf.opsLimit > ceiling.opsLimit ||
        header.kdf.memLimit > ceiling.memLimit) {
        parsed.error = BackupError::HostileParameters;
        return parsed;
    }
    std::copy_n(file.begin() + 24, header.salt.size(), header.salt.begin());
    std::copy_n(file.begin() + 40, header.streamHeader.size(), header.streamHeader.begin());
    return parsed;
}

}  // namespace hv
