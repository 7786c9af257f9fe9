#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real uninstall-vantorelle on a virtual screen, twice.
# 1. From an installation laid out as the program expects, under a prefix
#    whose name a shell would take apart:
#      PREFIX/bin/uninstall-vantorelle, PREFIX/bin/ST6UNST.LOG,
#      PREFIX/lib/vantorelle/ST6UNST.EXE (the stand-in, which records its arguments).
#    "Yes" on the confirmation window must start the stand-in with exactly its
#    own path, "-n" and the log's path, run no command hidden in the prefix,
#    and end the program.
# 2. Copied with its log into a folder that has no ../lib/vantorelle, while a
#    source tree with the stand-in lies in a folder anyone may write: "Yes"
#    must start nothing and open the locate page; "Continue" ends the program.
# Screenshots go to OUTDIR.
#
#   program_run_test.sh PROGRAM STAND_IN OUTDIR
# Exit status 77 (skipped) when xvfb-run, xdotool or ImageMagick is missing.
set -u

. "$(dirname "$0")/../support/on_virtual_screen.sh"
. "$(dirname "$0")/../support/x_windows.sh"
program=$1
stand_in=$2
out=$3

work=$(mktemp -d)
pid=
fail() {
    echo "FAILED: $*"
    import -window root "$out/failure.png" 2>/dev/null
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
    exit 1
}

# Starts PROGRAM from the current folder and clicks "Yes", the button at
# (50, 80), 100 by 36 pixels, on its confirmation window; SHOT names the
# screenshot of that window.
start_and_click_yes() {
    "$1" &
    pid=$!
    start=$(window_named Uninstall)
    [ -n "$start" ] || fail "no window with the confirmation window's caption"
    echo "confirmation window: $(xdotool getwindowgeometry "$start" | tr '\n' ' ')"
    wait_painted "$start" || fail "the confirmation window was never painted"
    import -window root "$out/$2.png" || fail "screenshot"
    xdotool mousemove --window "$start" 100 98 click 1
}

# Waits for the program to end by itself, with exit status 0.
wait_for_end() {
    for _ in $(seq 1 240); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    kill -0 "$pid" 2>/dev/null && fail "the program is still running $1"
    wait "$pid"
    status=$?
    pid=
    [ "$status" -eq 0 ] || fail "exit status $status"
}

ST6UNST_RECORD="$work/record"
export ST6UNST_RECORD
mkdir -p "$work/current" || fail "mkdir"
# Anything a shell ran by mistake would land in the current folder.
cd "$work/current" || fail "cd"

# 1. the installed layout
prefix="$work/pre  fix \"q\" 'a' \$(touch x) \`touch y\`; touch z"
mkdir -p "$prefix/bin" "$prefix/lib/vantorelle" || fail "cannot lay out the installation"
cp "$program" "$prefix/bin/uninstall-vantorelle" || fail "cannot copy the program"
cp "$stand_in" "$prefix/lib/vantorelle/ST6UNST.EXE" || fail "cannot copy the stand-in"
chmod 755 "$prefix/lib/vantorelle/ST6UNST.EXE"
echo "installation log" > "$prefix/bin/ST6UNST.LOG"

start_and_click_yes "$prefix/bin/uninstall-vantorelle" start
wait_for_end "after Yes"
for _ in $(seq 1 240); do
    [ -f "$ST6UNST_RECORD" ] && break
    sleep 0.5
done
[ -f "$ST6UNST_RECORD" ] || fail "the stand-in uninstaller was not started"
printf '%s\0' "$prefix/lib/vantorelle/ST6UNST.EXE" -n "$prefix/bin/ST6UNST.LOG" > "$work/expected"
cmp -s "$work/expected" "$ST6UNST_RECORD" || {
    echo "expected:"; tr '\0' '\n' < "$work/expected"
    echo "recorded:"; tr '\0' '\n' < "$ST6UNST_RECORD"
    fail "the stand-in got other arguments"
}
[ -z "$(ls -A "$work/current")" ] || fail "a command in the path was run: $(ls -A "$work/current")"
rm -f "$ST6UNST_RECORD"

# 2. a copy away from any installation, and a stray uninstaller anyone may replace
mkdir -p "$work/copy" "$work/open/src/uninstall" || fail "cannot lay out the copy"
chmod 777 "$work/open"
cp "$program" "$work/copy/uninstall-vantorelle" || fail "cannot copy the program"
echo "installation log" > "$work/copy/ST6UNST.LOG"
cp "$stand_in" "$work/open/src/uninstall/ST6UNST.EXE" || fail "cannot copy the stand-in"
chmod 755 "$work/open/src/uninstall/ST6UNST.EXE"

start_and_click_yes "$work/copy/uninstall-vantorelle" copy-start
page=$(window_named "Executable Not Found")
[ -f "$ST6UNST_RECORD" ] && fail "a stray uninstaller was started: $(tr '\0' ' ' < "$ST6UNST_RECORD")"
[ -n "$page" ] || fail "the locate page did not open"
wait_painted "$page" || fail "the locate page was never painted"
import -window root "$out/copy-locate.png" || fail "screenshot"
# "Continue" is at (200, 396), 120 by 36 pixels; the not-located message follows.
xdotool mousemove --window "$page" 260 414 click 1
message=$(window_named uninstall-vantorelle)
[ -n "$message" ] || fail "no message after Continue"
wait_painted "$message" || fail "the message was never painted"
import -window root "$out/copy-not-located.png" || fail "screenshot"
xdotool windowfocus --sync "$message" key Return
wait_for_end "after the not-located message"
[ -f "$ST6UNST_RECORD" ] && fail "a stray uninstaller was started"
[ -z "$(ls -A "$work/current")" ] || fail "a command was run: $(ls -A "$work/current")"

rm -rf "$work"
echo "passed; screenshots in $out"
