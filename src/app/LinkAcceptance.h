// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace hv {

// Whether an incoming link opens the reader: it must be at least the prefix plus four
// characters long, start with "hiddenmsg://" in any ASCII letter case, and arrive while no
// reader is open in this run. The text is the link exactly as it came, never a parsed
// URL (parsing lower-cases the host, which holds the token).
namespace LinkAcceptance {

bool accepts(const QString& link, bool readerOpen);

}  // namespace LinkAcceptance

}  // namespace hv
