// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backup/KdfParameters.h"

#include <sodium.h>

namespace hv {

KdfParameters KdfParameters::standard() {
    return {crypto_pwhash_OPSLIMIT_MODERATE, crypto_pwhash_MEMLIMIT_MODERATE};
}

KdfParameters KdfParameters::cheapest() {
    return {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN};
}

bool KdfParameters::withinBounds() const {
    return opsLimit >= crypto_pwhash_OPSLIMIT_MIN && opsLimit <= kKdfMaxOpsLimit &&
           memLimit >= crypto_pwhash_MEMLIMIT_MIN && memLimit <= kKdfMaxMemLimit;
}

}  // namespace hv
