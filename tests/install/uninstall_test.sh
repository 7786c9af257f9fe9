#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
#   uninstall_test.sh CMAKE BUILD_DIR OUTDIR
# Installs BUILD_DIR into a fresh prefix beside a folder of someone else's,
# adds and changes files in it as a teacher might, then removes it as a user
# does: uninstall-vantorelle on a virtual screen, "Yes", and the window that
# says what was removed. Everything the installation wrote and left unchanged
# must be gone; the teacher's files, the folders other programs share and
# the folder beside stay as they were. Screenshots go to OUTDIR.
set -u

. "$(dirname "$0")/../support/on_virtual_screen.sh"
. "$(dirname "$0")/../support/x_windows.sh"
cmake=$1
build=$2
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

prefix="$work/prefix with blanks"
beside="$work/beside"
mkdir -p "$beside/share/vantorelle/examples" || fail "mkdir"
echo "someone else's" > "$beside/share/vantorelle/examples/and.net"
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.out" 2>&1 \
    || { cat "$work/install.out"; fail "cmake --install"; }
log="$prefix/bin/ST6UNST.LOG"
[ -f "$log" ] || fail "no installation log"
[ -x "$prefix/lib/vantorelle/ST6UNST.EXE" ] || fail "no uninstaller beside the log's library folder"

# The log names every file the installation wrote.
( cd "$prefix" && find . -type f ! -path ./bin/ST6UNST.LOG | sed 's|^\./||' | sort ) > "$work/installed"
sed -n 's/^file [0-9a-f]\{64\}  //p' "$log" | sort > "$work/listed"
cmp -s "$work/installed" "$work/listed" || { diff "$work/installed" "$work/listed"; fail "the log and the installation differ"; }

# A teacher edits one example and adds a file of their own.
echo "edited" >> "$prefix/share/vantorelle/examples/xor.net"
echo "my own" > "$prefix/share/vantorelle/examples/mine.net"

cd "$work" || fail "cd"
"$prefix/bin/uninstall-vantorelle" &
pid=$!
start=$(window_named Uninstall)
[ -n "$start" ] || fail "no confirmation window"
wait_painted "$start" || fail "the confirmation window was never painted"
# "Yes" is at (50, 80), 100 by 36 pixels.
xdotool mousemove --window "$start" 100 98 click 1
told=$(window_named "Uninstall Vantorelle")
[ -n "$told" ] || fail "the uninstaller said nothing"
wait_painted "$told" || fail "the uninstaller's window was never painted"
import -window root "$out/uninstalled.png" || fail "screenshot"
xdotool windowfocus --sync "$told" key Return
for _ in $(seq 1 240); do
    [ -e "$prefix/lib/vantorelle" ] || break
    sleep 0.5
done
wait "$pid" || fail "uninstall-vantorelle exit status $?"
pid=

# What stays: the teacher's two files, the log that still lists one of them,
# and the folders other programs share (the icon size folders among them).
( cd "$prefix" && find . -mindepth 1 ! -path './share/icons/hicolor/*' | sed 's|^\./||' | LC_ALL=C sort ) \
    > "$work/left"
LC_ALL=C sort > "$work/expected" <<'LEFT'
bin
bin/ST6UNST.LOG
lib
share
share/applications
share/icons
share/icons/hicolor
share/man
share/man/man1
share/metainfo
share/vantorelle
share/vantorelle/examples
share/vantorelle/examples/mine.net
share/vantorelle/examples/xor.net
LEFT
cmp -s "$work/expected" "$work/left" \
    || { diff "$work/expected" "$work/left"; fail "the uninstaller left other files than the teacher's"; }
icons=$(find "$prefix/share/icons" ! -type d)
[ -z "$icons" ] || fail "icons were left: $icons"
[ "$(cat "$prefix/share/vantorelle/examples/mine.net")" = "my own" ] || fail "the teacher's file changed"
[ "$(cat "$beside/share/vantorelle/examples/and.net")" = "someone else's" ] || fail "the folder beside changed"
rm -rf "$work"
echo "passed; screenshot in $out"
