#!/usr/bin/env bash
# Runs a command on an X display of its own: a fresh Xvfb server on a free
# display number, stopped again when the command ends. The command's exit
# code is the script's.
#
#   xvfb-session.sh COMMAND [ARGUMENT...]
set -euo pipefail

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "xvfb-session.sh: Xvfb and xdotool are needed (scripts/install-deps.sh test)" >&2
    exit 1
fi

work=$(mktemp -d)
server=
cleanup() {
    if [ -n "$server" ] && kill -0 "$server" 2>/dev/null; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The server picks a free display number itself and writes it to the file
# once it accepts connections: no lock files to race on.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp \
    3>"$work/display" 2>"$work/xvfb.log" &
server=$!

for _ in $(seq 600); do
    [ -s "$work/display" ] && break
    if ! kill -0 "$server" 2>/dev/null; then
        echo "xvfb-session.sh: Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    sleep 0.05
done
number=$(head -n 1 "$work/display" | tr -dc 0-9)
if [ -z "$number" ]; then
    echo "xvfb-session.sh: Xvfb gave no display number within 30 seconds" >&2
    exit 1
fi

mkdir -m 700 "$work/runtime"
set +e
env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_ENABLE_HIGHDPI_SCALING -u WAYLAND_DISPLAY \
    DISPLAY=":$number" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$@"
status=$?
set -e
exit "$status"
