// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// One logging category per layer, all off below warnings by default; turn them on with
// QT_LOGGING_RULES="hushvault.*=true". Log outcomes only: no number, name, password,
// token or message text ever goes into a log.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
Q_DECLARE_LOGGING_CATEGORY(lcMessaging)
Q_DECLARE_LOGGING_CATEGORY(lcAccess)
Q_DECLARE_LOGGING_CATEGORY(lcApp)
