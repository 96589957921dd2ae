#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (a free display number,
# 96 dpi) and stops the display afterwards. The command's exit code is kept.
set -euo pipefail

if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is missing: run scripts/install-deps.sh test" >&2
    exit 1
fi

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" >"$work/log" 2>&1 &
xvfb=$!
stop() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap stop EXIT

# The server writes its display number once it accepts clients.
for _ in $(seq 300); do
    grep -q '^[0-9]' "$work/display" 2>/dev/null && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$work/log" >&2; exit 1; }
    sleep 0.1
done
grep -q '^[0-9]' "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }

status=0
DISPLAY=":$(head -n1 "$work/display")" "$@" || status=$?
exit "$status"
