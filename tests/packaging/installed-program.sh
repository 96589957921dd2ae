#!/usr/bin/env bash
# On the current X display, starts the given program as a fresh user would
# (settings and caches in a scratch folder), waits for its window, presses F1
# and checks the page handed to the desktop's opener (a stand-in xdg-open that
# only records it), then closes the window with Esc.
set -euo pipefail
program=$1
expected_page=$2
title='Tolvy经典扫雷中文版'

work=$(mktemp -d)
pid=
stop() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap stop EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/log" ] && sed 's/^/program: /' "$work/log" >&2
    exit 1
}
# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

mkdir -p "$work/bin" "$work/config" "$work/cache" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
cat >"$work/bin/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$1" >"$work/opened"
OPENER
chmod +x "$work/bin/xdg-open"

PATH="$work/bin:$PATH" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
    XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    "$program" >"$work/log" 2>&1 &
pid=$!

window=
find_window() {
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1)
    [ -n "$window" ]
}
wait_for 60 find_window || fail "$program showed no window titled $title"
echo "the window of $program is shown"

# Keys go to the focused window; there is no window manager to give focus.
press_f1() {
    xdotool windowfocus "$window" key F1 2>/dev/null || true
    wait_for 5 test -s "$work/opened"
}
wait_for 60 press_f1 || fail "F1 handed no page to the opener"
opened=$(head -n1 "$work/opened")
[ "$opened" = "file://$expected_page" ] || fail "F1 opened $opened, not file://$expected_page"
echo "F1 opens $opened"

ended() { ! kill -0 "$pid" 2>/dev/null; }
xdotool windowfocus "$window" key Escape 2>/dev/null || true
wait_for 30 ended || fail "Esc did not close the window"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "Esc closes it"
