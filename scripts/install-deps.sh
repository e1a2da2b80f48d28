#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that building, testing, benchmarking and packaging Hushvault
# need. Idempotent and quiet: packages already present are not touched.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config lld
    libsqlite3-dev libssl-dev libplist-dev libicu-dev nlohmann-json3-dev libsodium-dev
    libebook-contacts1.2-dev libglib2.0-dev
    dbus-daemon dbus-bin python3-dbusmock nodejs chromium
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    fonts-noto-cjk desktop-file-utils appstream clang-format
    phoc grim qt6-wayland
    libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
    help2man reuse debhelper lintian
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
# Debian's nodejs comes without npm; other builds of Node (NodeSource's) bring their own and
# conflict with Debian's npm package.
if ! command -v npm >/dev/null; then
    missing+=(npm)
fi
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
