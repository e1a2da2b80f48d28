// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The resource library needs one source of its own; the resources themselves are
// generated into it by the build.
namespace hv {
int resourcesAnchor() {
    return 0;
}
}  // namespace hv
