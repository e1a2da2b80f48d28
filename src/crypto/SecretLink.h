#pragma once

#include <string_view>

namespace hv {

// The application-link prefix: a plain-form token after it opens a friend's reader.
inline constexpr std::string_view SECRETOPENURL = "hiddenmsg://";

}  // namespace hv
