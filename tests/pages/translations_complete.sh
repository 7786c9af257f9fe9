#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text of the window has a translation in every language the program
# ships: lupdate, run over today's sources into copies of the .ts files,
# must leave no entry unfinished (a text added to the code without its
# translations shows here, though nobody ran update_translations).
#
#   translations_complete.sh LUPDATE PROJECT_IN PROJECT_JSON GENERATOR TS...
set -eu
lupdate=$1 project_in=$2 project_json=$3 generator=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -DIN_FILE="$project_in" -DOUT_FILE="$work/project.json" -P "$generator" >/dev/null
copies=
for ts in "$@"; do
  cp "$ts" "$work/"
  copies="$copies $work/$(basename "$ts")"
done
# shellcheck disable=SC2086
"$lupdate" -project "$work/project.json" -no-obsolete -locations none -disable-heuristic sametext -ts $copies >"$work/lupdate.log" 2>&1 || {
  cat "$work/lupdate.log"
  exit 1
}
status=0
for copy in $copies; do
  left=$(grep -c 'type="unfinished"' "$copy" || true)
  if [ "$left" -ne 0 ]; then
    echo "$(basename "$copy"): $left texts without a translation:"
    grep -B2 'type="unfinished"' "$copy" | grep '<source>' | head -20
    status=1
  fi
done
exit $status
