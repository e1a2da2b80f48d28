#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What desktops, software centres and Debian read about Hushvault: the desktop file and the
# metainfo pass their validators without a message, every file's licence is known (REUSE)
# and debian/copyright says the same, and the version is one wherever it is shown.
#   check-release-files.sh SOURCE_DIR APP_ID VERSION HUSHVAULT HUSHVAULT_CLI
set -uo pipefail
source=$1 app_id=$2 version=$3 hushvault=$4 cli=$5
failed=0
fail() {
    printf 'FAIL: %s\n' "$*"
    failed=1
}

out=$(desktop-file-validate "$source/resources/$app_id.desktop" 2>&1)
[ $? -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate: $out"

# The id's capital letter is only discouraged (a pedantic note): the id is the application's,
# already its Wayland app id, and stays.
metainfo=$source/resources/$app_id.metainfo.xml
out=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)
status=$?
notes=$(grep -E '^[EWIP]: ' <<<"$out" | grep -v ": cid-contains-uppercase-letter $app_id$")
[ $status -eq 0 ] && [ -z "$notes" ] || fail "appstreamcli validate: $out"

out=$(cd "$source" && reuse lint 2>&1) || fail "reuse lint: $out"
# Each paragraph of the REUSE data is in debian/copyright, word for word.
out=$(python3 - "$source/.reuse/dep5" "$source/debian/copyright" <<'PY'
import sys
paragraphs = open(sys.argv[1]).read().split("\n\n")[1:]
copyright = open(sys.argv[2]).read()
print("\n\n".join(p for p in paragraphs if p.strip() not in copyright))
PY
)
[ -z "$out" ] || fail "not in debian/copyright: $out"

for shown in "$("$hushvault" --version)" "$("$cli" --version)" \
    "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)" \
    "$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)"; do
    [ "${shown##* }" = "$version" ] || fail "version $version, but shown: $shown"
done
exit $failed
