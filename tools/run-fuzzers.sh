#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzz target of the fuzz preset for a bounded time, starting from the seeds in
# fuzz/corpus. Usage: tools/run-fuzzers.sh [seconds per target, default 60]
# Inputs found on the way collect in build/fuzz/corpus (the committed seeds stay as they are),
# and an input that breaks a target is saved in build/fuzz/findings; the script then fails.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=build/fuzz
cmake --workflow --preset fuzz

# A full data file is about 17 kB with empty texts; room for long texts too.
# Statements: a few dozen transactions are enough to reach every path of their readers.
declare -A max_len=([datafile]=65536 [fieldvalue]=2048 [qif]=16384 [csv]=16384)

for target in datafile fieldvalue qif csv; do
  mkdir -p "$build/corpus/$target" "$build/findings"
  echo "== fuzz_$target for ${seconds}s"
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len="${max_len[$target]}" -dict="fuzz/$target.dict" -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" "fuzz/corpus/$target"
done
