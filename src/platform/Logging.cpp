// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Logging.h"

Q_LOGGING_CATEGORY(lcPlatform, "hushvault.platform", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMessaging, "hushvault.messaging", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAccess, "hushvault.access", QtWarningMsg)
Q_LOGGING_CATEGORY(lcApp, "hushvault.app", QtWarningMsg)
