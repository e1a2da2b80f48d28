// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/SendState.h"

#include "sms/SmsService.h"

namespace hv {

std::atomic<int>& sendState() {
    static std::atomic<int> state{kSendStateWaiting};
    return state;
}

void callback(const QString& name) {
    if (name == QLatin1String(kCTMessageSentNotification))
        sendState().store(kSendStateSent);
    else if (name == QLatin1String(kCTMessageSendErrorNotification))
        sendState().store(kSendStateError);
}

}  // namespace hv
