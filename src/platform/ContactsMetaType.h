// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMetaType>

#include "store/Contacts.h"

// Secret contacts travel as the object of the "getContractInfo" notification.
Q_DECLARE_METATYPE(hv::Contacts)
