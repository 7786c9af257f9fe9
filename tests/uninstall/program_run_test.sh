#!/bin/sh
# Runs the real uninstall-vantorelle on a virtual screen from an installation
# laid out as the program expects, under a prefix whose name a shell would
# take apart:
#   PREFIX/bin/uninstall-vantorelle, PREFIX/bin/ST6UNST.LOG,
#   PREFIX/lib/vantorelle/ST6UNST.EXE (the stand-in, which records its arguments).
# "Yes" on the confirmation window must start the stand-in with exactly its
# own path, "-n" and the log's path, run no command hidden in the prefix, and
# end the program. Screenshots go to OUTDIR.
#
#   program_run_test.sh PROGRAM STAND_IN OUTDIR
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
    exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" sh "$0" --inside "$@"
fi
shift
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

prefix="$work/pre  fix \"q\" 'a' \$(touch x) \`touch y\`; touch z"
mkdir -p "$prefix/bin" "$prefix/lib/vantorelle" "$work/current" || fail "cannot lay out the installation"
cp "$program" "$prefix/bin/uninstall-vantorelle" || fail "cannot copy the program"
cp "$stand_in" "$prefix/lib/vantorelle/ST6UNST.EXE" || fail "cannot copy the stand-in"
chmod 755 "$prefix/lib/vantorelle/ST6UNST.EXE"
echo "installation log" > "$prefix/bin/ST6UNST.LOG"
ST6UNST_RECORD="$work/record"
export ST6UNST_RECORD

# Anything a shell ran by mistake would land in the current folder.
cd "$work/current" || fail "cd"
"$prefix/bin/uninstall-vantorelle" &
pid=$!

start=$(timeout 20 xdotool search --sync --onlyvisible --name '^Uninstall$' 2>/dev/null | head -n 1)
[ -n "$start" ] || fail "no window with the confirmation window's caption"
echo "confirmation window: $(xdotool getwindowgeometry "$start" | tr '\n' ' ')"
# Mapped is not yet painted: wait until the window shows more than its
# background (its caption text and buttons bring many colours).
painted=
for _ in $(seq 1 100); do
    colours=$(import -window "$start" png:- 2>/dev/null | convert - -format %k info: 2>/dev/null)
    [ "${colours:-0}" -gt 4 ] && { painted=1; break; }
    sleep 0.2
done
[ -n "$painted" ] || fail "the confirmation window was never painted"
import -window root "$out/start.png" || fail "screenshot"

# "Yes" is the button at (50, 80), 100 by 36 pixels.
xdotool mousemove --window "$start" 100 98 click 1

for _ in $(seq 1 40); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after Yes"
wait "$pid"
status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status"

for _ in $(seq 1 40); do
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
rm -rf "$work"
echo "passed; screenshots in $out"
