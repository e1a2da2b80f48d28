// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace hv {

// Whether an incoming link opens a reader: it must be at least the prefix plus four
// characters long and start with "hiddenmsg://" in any ASCII letter case. The text is the
// link exactly as it came, never a parsed URL (parsing lower-cases the host, which holds
// the token). A reader already open does not stop a later link: messages arrive one after
// another, and each must be readable.
namespace LinkAcceptance {

bool accepts(const QString& link);

}  // namespace LinkAcceptance

}  // namespace hv
