// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace hv {

class AlertView;

// The question asked before a secret contact, and with it its preset password, is deleted
// for good: the same from the editor and from the list. Its title and message are fixed
// texts, the same in every language; its buttons "Cancel" and "Done".
namespace DeleteContactQuestion {

inline constexpr int kTag = 113;

// Shows the question; `confirmed` runs when "Done" is tapped, nothing on "Cancel".
AlertView* ask(std::function<void()> confirmed);

}  // namespace DeleteContactQuestion

}  // namespace hv
