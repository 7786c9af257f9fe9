# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced, with the script's own arguments, first thing in a test that drives
# a real program on a virtual X screen:
#   . "$(dirname "$0")/../support/on_virtual_screen.sh"
# Outside a virtual screen it exits 77 (skipped) where xvfb-run, xdotool or
# ImageMagick is missing, makes the screenshot folder (the script's third
# argument) and runs the script again under xvfb-run. Inside, the script goes
# on with its own arguments.

if [ "${1:-}" != "--inside" ]; then
    for tool in xvfb-run xdotool import; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "skipped: $tool is not installed"
            exit 77
        fi
    done
    mkdir -p "$3"
    exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" sh "$0" --inside "$@"
fi
shift
