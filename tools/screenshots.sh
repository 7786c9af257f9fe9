#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures of every page of the desktop program on a
# virtual screen: it builds and runs page_screenshots, which walks through the
# pages as a user does (and.net under the gradient rule, both start pages,
# every item of the testing hub, then letters.net and xor.net for the network
# view) with a fixed seed, and saves each window as the program draws it.
# Re-run it after changing a page:
#
#   tools/screenshots.sh [BUILD_DIR] [OUTDIR]          (build, docs)
#   SCALE=2 tools/screenshots.sh build /tmp/shots-x2
#
# SCALE sets QT_SCALE_FACTOR, to look at the pages on a high-density screen.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$top/build}")
out=$(realpath -m "${2:-$top/docs}")
scale=${SCALE:-1}

for tool in xvfb-run cmake; do
    command -v "$tool" >/dev/null 2>&1 || { echo "screenshots.sh: $tool is missing (tools/install-deps.sh)" >&2; exit 1; }
done
[ -f "$build/CMakeCache.txt" ] || cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target page_screenshots -j2 >/dev/null
program=$(find "$build" -type f -name page_screenshots -perm -u+x | head -n 1)
[ -n "$program" ] || { echo "screenshots.sh: page_screenshots was not built in $build" >&2; exit 1; }

# The tour reads the examples from, and saves its report into, a fresh folder
# called examples, as a user's copy would be. Its name is fixed, as the
# folder lists show it in the pictures.
work=${TMPDIR:-/tmp}/vantorelle-$(id -u)  # short: the folder lists are narrow
rm -rf "$work"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/examples" "$out"
cp "$top"/examples/*.net "$top"/examples/*.csv "$work/examples/"
cd "$work/examples"
# A screen large enough for the largest page at the scale asked for.
width=$((1200 * scale))
height=$((900 * scale))
QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$program" "$out"

# The German lessons and set-up pages, docs/*-de.png: the tour again with the
# window and the lessons in German, of which only those two pictures are kept. It
# is skipped while translations/vantorelle_de.ts has no German texts (a
# German lesson in an English window would be a wrong picture); the README
# shows them.
german_lessons_page() {
    mkdir -p "$work/de"
    status=0
    QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$program" "$work/de" de >/dev/null || status=$?
    if [ "$status" -eq 77 ]; then
        echo "screenshots.sh: no German window texts yet; the German pictures not taken" >&2
    elif [ "$status" -eq 0 ]; then
        for page in lessons-page setup-page; do
            cp "$work/de/$page.png" "$out/$page-de.png"
            echo "$out/$page-de.png"
        done
    else
        return "$status"
    fi
}
german_lessons_page
