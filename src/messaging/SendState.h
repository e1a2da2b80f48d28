// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <atomic>

namespace hv {

// The process-wide send state: what the SMS service last reported about a message.
// Written by the telephony handler on the UI thread and read by send watchers on theirs.
inline constexpr int kSendStateWaiting = 0;
inline constexpr int kSendStateSent = 2;
inline constexpr int kSendStateError = 3;

std::atomic<int>& sendState();

// The telephony notification handler: "kCTMessageSentNotification" sets the state to 2,
// "kCTMessageSendErrorNotification" to 3; every other name leaves it as it is.
void callback(const QString& name);

}  // namespace hv
