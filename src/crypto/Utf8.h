// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace hv {

// True when the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing
// above U+10FFFF, no truncated sequence.
bool isValidUtf8(std::string_view bytes);

}  // namespace hv
