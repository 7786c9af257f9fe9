#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzz target for SECONDS seconds on one core.
#   fuzz/run.sh BUILD_DIR SECONDS
# Seeds: every .net file in examples/ and tests/data/ (for the CSV import,
# fuzz/csv_seeds/, whose first two bytes choose its options; a saved network
# for the saved-network reader). What a target finds
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
# The saved-network reader starts from a real saved network (and.net, 20
# epochs with seed 1, as the trainer's --save writes it).
saved_seeds="$build/seeds-saved"
rm -rf "$saved_seeds"
mkdir -p "$saved_seeds"
cp fuzz/saved_network_seed.vnet "$saved_seeds"/

status=0
for target in fuzz_training_file fuzz_file_header fuzz_csv_import fuzz_saved_network; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target for $seconds s"
  # Each target's seeds, and the words its input is made of.
  case $target in
    fuzz_csv_import) set -- fuzz/csv_seeds -dict=fuzz/csv.dict ;;
    fuzz_saved_network) set -- "$saved_seeds" ;;
    *) set -- "$seeds" -dict=fuzz/training_file.dict ;;
  esac
  if ! "$build/$target" "$corpus" "$@" \
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
