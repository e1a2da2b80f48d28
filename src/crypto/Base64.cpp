// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crypto/Base64.h"

#include <array>
#include <cstdint>

namespace hv {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::int8_t kWhiteSpace = -2;
constexpr std::int8_t kInvalid = -1;

constexpr std::array<std::int8_t, 256> makeDecodeTable() {
    std::array<std::int8_t, 256> table{};
    for (auto& entry : table) entry = kInvalid;
    for (int i = 0; i < 64; ++i) table[static_cast<unsigned char>(kAlphabet[i])] = std::int8_t(i);
    for (char c : {'\t', '\n', '\v', '\f', '\r', ' '})
        table[static_cast<unsigned char>(c)] = kWhiteSpace;
    return table;
}

constexpr auto kDecode = makeDecodeTable();

}  // namespace

std::string base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    auto byteAt = [&](std::size_t n) { return static_cast<std::uint32_t>(std::uint8_t(bytes[n])); };
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t v = byteAt(i) << 16 | byteAt(i + 1) << 8 | byteAt(i + 2);
        out += kAlphabet[v >> 18 & 63];
        out += kAlphabet[v >> 12 & 63];
        out += kAlphabet[v >> 6 & 63];
        out += kAlphabet[v & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t v = byteAt(i) << 16;
        if (rest == 2) v |= byteAt(i + 1) << 8;
        out += kAlphabet[v >> 18 & 63];
        out += kAlphabet[v >> 12 & 63];
        out += rest == 2 ? kAlphabet[v >> 6 & 63] : '=';
        out += '=';
    }
    return out;
}

std::optional<std::string> base64Decode(std::string_view text) {
    std::string out;
    out.reserve(text.size() / 4 * 3);
    std::uint32_t group = 0;  // bits of the current four-character group
    int filled = 0;           // characters of the current group seen so far
    int padding = 0;          // "=" characters seen; only more "=" may follow the first
    for (char c : text) {
        if (c == '=') {
            // A group may end in "=" only after at least two data characters.
            if (filled + padding < 2) return std::nullopt;
            ++padding;
            if (filled + padding > 4) return std::nullopt;
            continue;
        }
        const std::int8_t value = kDecode[static_cast<unsigned char>(c)];
        if (value == kWhiteSpace) continue;
        if (value == kInvalid || padding > 0) return std::nullopt;
        group = group << 6 | std::uint32_t(value);
        if (++filled == 4) {
            out += char(group >> 16 & 0xff);
            out += char(group >> 8 & 0xff);
            out += char(group & 0xff);
            group = 0;
            filled = 0;
        }
    }
    if (padding > 0) {
        if (filled + padding != 4) return std::nullopt;
        group <<= 6 * padding;
        out += char(group >> 16 & 0xff);
        if (filled == 3) out += char(group >> 8 & 0xff);
    } else if (filled != 0) {
        return std::nullopt;
    }
    if (out.empty()) return std::nullopt;
    return out;
}

}  // namespace hv
