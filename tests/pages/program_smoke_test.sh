#!/bin/sh
# Starts the real program on a virtual screen, as a user would from examples/:
# the load-file page must come up with its caption, a double-click on and.net
# must offer the way on, the set-up page must follow, and "Exit" must end the
# program. Screenshots of each step go to OUTDIR.
#
#   program_smoke_test.sh PROGRAM EXAMPLES OUTDIR
# Exit status 77 (skipped) when xvfb-run, xdotool or ImageMagick is missing.
set -u

if [ "${1:-}" != "--inside" ]; then
    for tool in xvfb-run xdotool import; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "skipped: $tool is not installed"
            exit 77
        fi
    done
    mkdir -p "$3"
    exec xvfb-run -a -s "-screen 0 1280x800x24" sh "$0" --inside "$@"
fi
shift
program=$1
examples=$2
out=$3

fail() {
    echo "FAILED: $*"
    import -window root "$out/failure.png" 2>/dev/null
    kill "$pid" 2>/dev/null
    exit 1
}

# Waits for a window with exactly this caption and prints its id.
find_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

cd "$examples" || exit 1
"$program" &
pid=$!

load_file=$(find_window "Perceptron -- Load File -- Tarvik Neural Net Code")
[ -n "$load_file" ] || fail "no window with the load-file page's caption"
echo "load-file page: window $load_file, $(xdotool getwindowgeometry "$load_file" | tr '\n' ' ')"
sleep 1
import -window root "$out/load_file.png" || fail "screenshot"

# and.net is the first name of the file list, whose top edge is 92 pixels down.
xdotool mousemove --window "$load_file" 420 102 click --repeat 2 --delay 60 1
sleep 1
import -window root "$out/load_file_and_net.png" || fail "screenshot"

# "Go To Next Page To Set Training Parameters" is only there after a good read.
xdotool mousemove --window "$load_file" 355 529 click 1
set_up=$(find_window "Perceptron Setup Page -- Tarvik Neural Network Code")
[ -n "$set_up" ] || fail "the set-up page did not open after and.net and the next-page button"
sleep 1
import -window root "$out/set_up_page.png" || fail "screenshot"

# "Exit" ends the program at once.
xdotool mousemove --window "$set_up" 852 579 click 1
for _ in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after Exit"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "FAILED: exit status $status"; exit 1; }
echo "passed; screenshots in $out"
