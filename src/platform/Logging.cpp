#include "platform/Logging.h"

Q_LOGGING_CATEGORY(lcPlatform, "hushvault.platform", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMessaging, "hushvault.messaging", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAccess, "hushvault.access", QtWarningMsg)
Q_LOGGING_CATEGORY(lcApp, "hushvault.app", QtWarningMsg)
