#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace hv {

using Md5Digest = std::array<std::uint8_t, 16>;

// MD5 (RFC 1321) of the given bytes, computed by OpenSSL's libcrypto.
Md5Digest md5(std::string_view bytes);

}  // namespace hv
