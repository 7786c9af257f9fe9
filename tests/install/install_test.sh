#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
#   install_test.sh CMAKE BUILD_DIR WITH_GUI(0|1)
# Installs BUILD_DIR into a fresh temporary prefix, checks the installed
# layout, validates the desktop entry, the AppStream file and the manual page,
# checks that the manual page and --help name the same options, and trains
# with the installed trainer on an installed example from an empty folder.
set -u
cmake=$1
build=$2
gui=$3
here=$(cd "$(dirname "$0")" && pwd)

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vantorelle-install.XXXXXX")
work=$(mktemp -d "${TMPDIR:-/tmp}/vantorelle-work.XXXXXX")
trap 'rm -rf "$prefix" "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log"; echo "FAILED: cmake --install"; exit 1; }

app_id=org.vantorelle.vantorelle
expected=(bin/vantorelle-train share/man/man1/vantorelle-train.1
          share/vantorelle/examples/and.net share/vantorelle/examples/README.md
          share/vantorelle/lessons/01-one-unit.json share/vantorelle/lessons/README.md
          share/vantorelle/lessons/de/06-gaussian-xor.json share/vantorelle/lessons/es/06-gaussian-xor.json)
if [ "$gui" = 1 ]; then
    expected+=(bin/Vantorelle bin/uninstall-vantorelle
               "share/applications/$app_id.desktop"
               "share/icons/hicolor/scalable/apps/$app_id.svg"
               "share/metainfo/$app_id.metainfo.xml"
               share/man/man1/Vantorelle.1 share/man/man1/uninstall-vantorelle.1
               bin/ST6UNST.LOG lib/vantorelle/ST6UNST.EXE)
    for size in 16 22 24 32 48 64 128 256; do
        expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
    done
fi
for f in "${expected[@]}"; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
for f in bin/vantorelle-train bin/Vantorelle bin/uninstall-vantorelle lib/vantorelle/ST6UNST.EXE; do
    [ -e "$prefix/$f" ] || continue
    [ -x "$prefix/$f" ] || fail "not executable: $f"
    # An installed program must not reach back into the build tree.
    if readelf -d "$prefix/$f" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
        fail "$f keeps a search path into the build folder"
    fi
done
examples=$(find "$prefix/share/vantorelle/examples" -name '*.net' | wc -l)
[ "$examples" -ge 5 ] || fail "only $examples example files installed"

# What desktops and software centres read, checked with their own tools.
if [ "$gui" = 1 ]; then
    if command -v desktop-file-validate >/dev/null; then
        # A hint (two main categories, say) counts as a fault too.
        said=$(desktop-file-validate "$prefix/share/applications/$app_id.desktop" 2>&1) \
            && [ -z "$said" ] || fail "desktop entry refused or hinted at: $said"
        grep -qx 'Categories=Education;ArtificialIntelligence;' "$prefix/share/applications/$app_id.desktop" \
            || fail "desktop entry without Categories=Education;ArtificialIntelligence;"
        grep -qx 'Exec=Vantorelle' "$prefix/share/applications/$app_id.desktop" || fail "desktop entry Exec"
    else
        fail "desktop-file-validate is not installed (tools/install-deps.sh)"
    fi
    if command -v appstreamcli >/dev/null; then
        said=$(appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" 2>&1) \
            || fail "AppStream metainfo refused: $said"
        if echo "$said" | grep -qE '^[EWIP]: '; then fail "AppStream metainfo hints: $said"; fi
    else
        fail "appstreamcli is not installed (tools/install-deps.sh)"
    fi
    if command -v rsvg-convert >/dev/null; then
        rsvg-convert -w 48 -h 48 "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" -o "$work/icon.png" \
            || fail "the icon does not render"
    fi
fi

# The manual pages render without warnings, and the trainer's names exactly
# the options that --help names.
for page in "$prefix"/share/man/man1/*.1; do
    warnings=$(groff -man -ww -z "$page" 2>&1)
    [ -z "$warnings" ] || fail "manual page $(basename "$page") warnings: $warnings"
done
man_page=$prefix/share/man/man1/vantorelle-train.1
help_options=$("$prefix/bin/vantorelle-train" --help | grep -oE -- '(^|[ ,])--[a-z][a-z-]*' \
    | grep -oE -- '--[a-z-]+' | sort -u)
man_options=$(sed 's/\\-/-/g' "$man_page" | grep -oE -- '--[a-z][a-z-]*' | sort -u)
if [ "$help_options" != "$man_options" ]; then
    fail "the manual page and --help differ in their options:"
    diff <(echo "$help_options") <(echo "$man_options") | sed 's/^/    /'
fi
# The version is the last word of --version's first line.
version=$("$prefix/bin/vantorelle-train" --version | head -1 | awk '{print $NF}')
grep -q "\"Vantorelle $version\"" "$man_page" || fail "manual page is not for version $version"

# The desktop programs answer --help and --version on the terminal, with no
# screen to open a window on.
if [ "$gui" = 1 ]; then
    for program in Vantorelle uninstall-vantorelle; do
        for option in --help -h --version -V; do
            said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/$program" "$option" 2>&1)
            status=$?
            [ "$status" -eq 0 ] || fail "$program $option exit status $status: $said"
            echo "$said" | grep -q "$program" || fail "$program $option does not name the program: $said"
        done
    done
    "$prefix/bin/Vantorelle" --version | grep -qx "Vantorelle $version" || fail "Vantorelle --version is not $version"
fi

# The installed trainer on an installed example, from a folder of its own.
cd "$work" || exit 1
output=$("$prefix/bin/vantorelle-train" "$prefix/share/vantorelle/examples/and.net" --seed 1 --quiet \
    --report run1.txt 2>&1)
status=$?
echo "$output"
[ "$status" -eq 0 ] || fail "installed trainer exit status $status"
echo "$output" | grep -qE '^ *Misses: 0' || fail "the installed trainer did not learn AND"
[ -s run1.txt ] || fail "no report written"

# Started from a menu (an empty working folder), the installed desktop program
# lists the installed examples; checked through the screen reader's view.
if [ "$gui" = 1 ]; then
    "$here/../pages/accessibility_test.sh" "$prefix/bin/Vantorelle" - --examples-only
    case $? in
        0) ;;
        77) echo "note: the desktop program's start folder was not checked (no AT-SPI tools)" ;;
        *) fail "the installed desktop program does not open on the installed examples" ;;
    esac
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "passed: installed into $prefix"
