// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "crypto/Rc4.h"

#include <utility>

namespace hv {

Rc4Key::Rc4Key(const Md5Digest& digest) {
    for (int i = 0; i < 256; ++i) state_[i] = static_cast<std::uint8_t>(i);
    std::uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<std::uint8_t>(j + state_[i] + digest[i % 16]);
        std::swap(state_[i], state_[j]);
    }
}

std::string Rc4Key::process(std::string_view data) const {
    auto s = state_;
    std::string out(data.size(), '\0');
    std::uint8_t i = 0;
    std::uint8_t j = 0;
    for (std::size_t n = 0; n < data.size(); ++n) {
        i = static_cast<std::uint8_t>(i + 1);
        j = static_cast<std::uint8_t>(j + s[i]);
        std::swap(s[i], s[j]);
        const std::uint8_t k = s[static_cast<std::uint8_t>(s[i] + s[j])];
        out[n] = static_cast<char>(static_cast<std::uint8_t>(data[n]) ^ k);
    }
    return out;
}

std::string rc4_processData(std::string_view data, std::string_view key) {
    return Rc4Key(md5(key)).process(data);
}

}  // namespace hv
