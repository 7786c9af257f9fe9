#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs accessibility_test.py on a virtual screen in a D-Bus session of its own.
#   accessibility_test.sh PROGRAM FOLDER [--examples-only]
# FOLDER is copied (its training files) to a fresh folder the program starts in;
# an empty FOLDER argument ("-") starts it in an empty folder.
# Exit status 77 (skipped) where xvfb-run, dbus-run-session or pyatspi is missing.
set -u
for tool in xvfb-run dbus-run-session xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
here=$(cd "$(dirname "$0")" && pwd)
program=$1
start=$(mktemp -d "${TMPDIR:-/tmp}/vantorelle-a11y.XXXXXX")
runtime=$(mktemp -d "${TMPDIR:-/tmp}/vantorelle-a11y-run.XXXXXX")
trap 'rm -rf "$start" "$runtime"' EXIT
[ "$2" = "-" ] || cp "$2"/*.net "$start"/
shift 2
XDG_RUNTIME_DIR=$runtime; export XDG_RUNTIME_DIR
# xvfb-run -a picks the first free display number and races with other tests
# doing the same; starting the search at a number of our own avoids that.
# -noreset: by default the X server resets when its last client leaves, and a
# client connecting during that reset is refused. The AT-SPI bus launcher
# connects and leaves just before the program starts, so without it the
# program sometimes found no display.
exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1600x1000x24 -noreset" dbus-run-session -- \
    /usr/bin/python3 "$here/accessibility_test.py" "$program" "$start" "$@"
