#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzz target for SECONDS seconds on one core.
#   fuzz/run.sh BUILD_DIR SECONDS
# Seeds: every .net file in examples/ and tests/data/ (for the CSV import,
# fuzz/csv_seeds/, whose first two bytes choose its options). What a target finds
# is kept in BUILD_DIR/corpus/<target>, so later runs start from it; a crash,
# leak, hang (over 10 s) or allocation over 1 GB stops the run and leaves the
# input in BUILD_DIR/artifacts/ (turn it into a file under tests/data/ with a
# test). Each target's last lines of statistics go to BUILD_DIR/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build folder}
seconds=${2:-60}

seeds="$build/seeds"
rm -rf "$seeds"
mkdir -p "$seeds" "$build/artifacts"
cp examples/*.net tests/data/*.net "$seeds"/

status=0
for target in fuzz_training_file fuzz_file_header fuzz_csv_import; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  targetSeeds=$seeds dict=fuzz/training_file.dict
  if [ "$target" = fuzz_csv_import ]; then
    targetSeeds=fuzz/csv_seeds dict=fuzz/csv.dict
  fi
  echo "== $target for $seconds s"
  if ! "$build/$target" "$corpus" "$targetSeeds" \
      -dict="$dict" \
      -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -malloc_limit_mb=1024 \
      -max_len=8192 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$target-" \
      >"$build/$target.log" 2>&1; then
    status=1
    tail -n 60 "$build/$target.log"
    echo "== $target FAILED; input kept in $build/artifacts/"
  else
    grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::(number_of_executed_units|peak_rss_mb|new_units_added)|^Done" \
      "$build/$target.log" || true
  fi
done
exit $status
