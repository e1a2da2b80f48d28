#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs fuzz targets for a set time each, starting from their seed corpora, and prints what
# each did. New inputs go to WORK_DIR/corpus/<target>, a failing input to
# WORK_DIR/artifacts/<target>/. Exits 1 when a target fails. A target's own settings are in
# options/<target>, one per line (# for comments): libFuzzer flags ("-name=value") and
# environment variables ("NAME=value").
# Usage: run-fuzzers.sh BINARY_DIR SECONDS WORK_DIR [TARGET...]
set -euo pipefail

if [ $# -lt 3 ]; then
    echo "usage: $0 BINARY_DIR SECONDS WORK_DIR [TARGET...]" >&2
    exit 2
fi
binaries=$1 seconds=$2 work=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(sed -n 's/^ *\(fuzz_[a-z0-9_]*\) *$/\1/p' "$here/FuzzTargets.cmake")
fi

status=0
printf '%-22s %8s %14s %10s  %s\n' target seconds executions exec/s result
for target in "${targets[@]}"; do
    log=$work/$target.log
    mkdir -p "$work/corpus/$target" "$work/artifacts/$target"
    options=$(grep -v '^#' "$here/options/$target" 2>/dev/null || true)
    mapfile -t flags < <(grep '^-' <<<"$options" || true)
    mapfile -t environment < <(grep '=' <<<"$options" | grep -v '^-' || true)
    result=clean
    if ! env "${environment[@]}" "$binaries/$target" -max_total_time="$seconds" \
        -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/artifacts/$target/" "${flags[@]}" "$work/corpus/$target" \
        "$here/corpus/$target" >"$log" 2>&1; then
        result="FAILED: see $log"
        status=1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    printf '%-22s %8s %14s %10s  %s\n' "$target" "$seconds" "${executions:-?}" "${speed:-?}" \
        "$result"
    [ "$result" = clean ] || tail -n 60 "$log" >&2
done
exit $status
