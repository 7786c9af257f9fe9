# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that drive a real program on a virtual X screen, after
# on_virtual_screen.sh. Each loop ends as soon as its condition holds; the
# limits are generous on purpose, for a busy machine or a sanitizer build.

# The first visible window with exactly this caption, waited for up to 120 s.
window_named() {
    timeout 120 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# Mapped is not yet painted: wait until the window shows more than its
# background (its caption text and buttons bring many colours).
wait_painted() {
    for _ in $(seq 1 600); do
        colours=$(import -window "$1" png:- 2>/dev/null | convert - -format %k info: 2>/dev/null)
        [ "${colours:-0}" -gt 4 ] && return 0
        sleep 0.2
    done
    return 1
}
