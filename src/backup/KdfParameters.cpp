// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backup/KdfParameters.h"

#include <sodium.h>

namespace hv {

KdfParameters KdfParameters::standard() {
    // Three passes over 160 MiB: half a second on the development machine (2 cores of a
    // 2.4 GHz server); libsodium's "moderate" 256 MiB took 0.77 s there.
    return {3, std::uint64_t(160) << 20};
}

KdfParameters KdfParameters::cheapest() {
    return {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN};
}

bool KdfParameters::withinBounds() const {
    return opsLimit >= crypto_pwhash_OPSLIMIT_MIN && opsLimit <= kKdfMaxOpsLimit &&
           memLimit >= crypto_pwhash_MEMLIMIT_MIN && memLimit <= kKdfMaxMemLimit;
}

}  // namespace hv
