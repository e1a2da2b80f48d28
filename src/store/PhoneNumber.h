#pragma once

#include <string>
#include <string_view>

namespace hv {

// Removes every "+86", then every space, then every "-", each over the whole text, in
// that order. Nothing else changes: brackets, dots and other country codes stay.
std::string normalizePhoneNumber(std::string_view number);

}  // namespace hv
