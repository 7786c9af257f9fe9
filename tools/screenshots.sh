#!/bin/sh
# Takes the README's pictures of the desktop program on a virtual screen:
# the load-file page after a double-click on and.net, the set-up page after a
# run, the weight and threshold start pages and the testing hub. Re-run it
# after changing a page:
#
#   tools/screenshots.sh [PROGRAM] [OUTDIR]      (build/app/Vantorelle, docs)
#   SCALE=2 tools/screenshots.sh build/app/Vantorelle /tmp/shots-x2
#
# SCALE sets QT_SCALE_FACTOR, to look at the pages on a high-density screen.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$top/build/app/Vantorelle}")
out=$(realpath -m "${2:-$top/docs}")
if [ "${INSIDE_XVFB:-}" != 1 ]; then
    mkdir -p "$out"
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 2400x1600x24" "$0" "$program" "$out"
fi
point() { python3 "$top/tests/pages/ui_point.py" "$top/pages/$1" "$2" "${3:-center}"; }
scale=${SCALE:-1}

# Waits for a window with exactly this caption and prints its id.
find_window() { timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
# Clicks a control of a form in its window (form coordinates times the scale).
click() { # window form control [top] [clicks]
    set -- "$1" "$(point "$2" "$3" "${4:-center}")" "${5:-1}"
    x=$(echo "$2" | awk -v s="$scale" '{print int($1 * s)}')
    y=$(echo "$2" | awk -v s="$scale" '{print int($2 * s)}')
    xdotool mousemove --sync --window "$1" "$x" "$y" click --repeat "$3" --delay 60 1
}
shot() { import -window "$1" "$out/$2.png"; echo "$out/$2.png"; }
# Waits until the window's picture stops changing (a run has ended).
settle() {
    previous=""
    for _ in $(seq 1 60); do
        now=$(import -window "$1" -depth 8 rgb:- | md5sum)
        [ "$now" = "$previous" ] && return 0
        previous=$now
        sleep 0.5
    done
}

cd "$top/examples"
QT_SCALE_FACTOR=$scale "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

load=$(find_window "Perceptron -- Load File -- Tarvik Neural Net Code")
click "$load" LoadFile.ui File1 top 2
settle "$load"
shot "$load" load-file-page
click "$load" LoadFile.ui NextPage
setup=$(find_window "Perceptron Setup Page -- Tarvik Neural Network Code")
click "$setup" Perceptron.ui StartTraining
sleep 1
settle "$setup"
shot "$setup" training-page

click "$setup" Perceptron.ui OptionNoDefaultWts
weights=$(find_window "Set Parameters For Randomly Choosing Initial Weights")
settle "$weights"
shot "$weights" weight-start-page
click "$weights" WeightStart.ui ExitButton
click "$setup" Perceptron.ui OptionNoDefaultBias
biases=$(find_window "Set Parameters For Randomly Choosing Initial Thresholds Or Biases")
settle "$biases"
shot "$biases" threshold-start-page
click "$biases" BiasStart.ui ExitButton

click "$setup" Perceptron.ui TestRecall
hub=$(find_window "Testing The Perceptron -- Tarvik Neural Network Code")
settle "$hub"
shot "$hub" testing-hub
