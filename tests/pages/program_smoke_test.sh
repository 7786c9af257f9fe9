#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on a virtual screen, as a user would from examples/:
# the load-file page must come up with its caption, a double-click on and.net
# must offer the way on, the set-up page must follow, and "Exit" must end the
# program. Screenshots of each step go to OUTDIR.
#
#   program_smoke_test.sh PROGRAM EXAMPLES OUTDIR
# Exit status 77 (skipped) when xvfb-run, xdotool or ImageMagick is missing.
set -u

. "$(dirname "$0")/../support/on_virtual_screen.sh"
program=$1
examples=$2
out=$3

fail() {
    echo "FAILED: $*"
    import -window root "$out/failure.png" 2>/dev/null
    kill "$pid" 2>/dev/null
    exit 1
}

here=$(cd "$(dirname "$0")" && pwd)
forms=$here/../../pages

# Waits (up to 30 s) for a window with exactly this caption and prints its id.
find_window() {
    timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# Whether a window with exactly this caption is there now.
window_now() {
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# Clicks a control found by its name in the page's form.
click_control() { # window form name [top] [clicks]
    point=$(python3 "$here/ui_point.py" "$forms/$2" "$3" "${4:-center}") || fail "no control $3"
    # shellcheck disable=SC2086
    xdotool mousemove --sync --window "$1" $point click --repeat "${5:-1}" --delay 60 1
}

cd "$examples" || exit 1
"$program" &
pid=$!

load_caption="Perceptron -- Load File -- Tarvik Neural Net Code"
set_up_caption="Perceptron Setup Page -- Tarvik Neural Network Code"
load_file=$(find_window "$load_caption")
[ -n "$load_file" ] || fail "no window with the load-file page's caption"
echo "load-file page: window $load_file, $(xdotool getwindowgeometry "$load_file" | tr '\n' ' ')"
import -window root "$out/load_file.png" || fail "screenshot"

# and.net is the first name of the file list. "Go To Next Page To Set
# Training Parameters" is only there after a good read; a busy machine may
# not have shown it yet, so go on trying until the set-up page is there.
tries=0
until window_now "$set_up_caption"; do
    tries=$((tries + 1))
    [ "$tries" -le 20 ] || fail "the set-up page did not open after and.net and the next-page button"
    click_control "$load_file" LoadFile.ui File1 top 2
    [ "$tries" -eq 1 ] && import -window root "$out/load_file_and_net.png"
    click_control "$load_file" LoadFile.ui NextPage
    timeout 3 xdotool search --sync --onlyvisible --name "^$set_up_caption\$" >/dev/null 2>&1
done
set_up=$(find_window "$set_up_caption")
import -window root "$out/set_up_page.png" || fail "screenshot"

# "Exit" ends the program at once.
click_control "$set_up" Perceptron.ui Command2
timeout 30 sh -c "while kill -0 $pid 2>/dev/null; do sleep 0.2; done"
kill -0 "$pid" 2>/dev/null && fail "the program is still running 30 s after Exit"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "FAILED: exit status $status"; exit 1; }
echo "passed; screenshots in $out"
