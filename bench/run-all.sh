#!/usr/bin/env bash
# Runs every benchmark under one Xvfb and ends with a table of the figures.
# Called by the `bench` build target with the programs' paths:
#   run-all.sh GAME BASELINE BENCH_STARTUP BENCH_MEMORY BENCH_ACTIONS
# Optional: STARTUP_RUNS (30), ACTION_RUNS (200), IDLE_SECONDS (10).
set -euo pipefail

game=$1 baseline=$2 bench_startup=$3 bench_memory=$4 bench_actions=$5
startup_runs=${STARTUP_RUNS:-30}
action_runs=${ACTION_RUNS:-200}
idle_seconds=${IDLE_SECONDS:-10}

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A real X server: the offscreen platform skips the work a window really costs.
Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
# The programs' settings go to a folder of the run's own, never the user's.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "Machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores; Qt on X display $DISPLAY (Xvfb)"
echo "Load before: $(uptime)"
echo

"$bench_startup" "$game" "$baseline" "$startup_runs" | tee "$work/startup.out" | sed -u '/^TABLE/d'
echo
"$bench_memory" | tee "$work/memory.out" | sed -u '/^TABLE/d'
echo
"$bench_actions" "$action_runs" | tee "$work/actions.out" | sed -u '/^TABLE/d'
echo

# Wake-ups of the idle game: voluntary context switches per thread, read
# from /proc over a quiet stretch, with the clock stopped and running.
snapshot() {
    for task in /proc/"$game_pid"/task/*; do
        printf '%s\t%s\t%s\t%s\n' "${task##*/}" "$(cat "$task/comm")" \
            "$(sed -n 's/^voluntary_ctxt_switches:\s*//p' "$task/status")" \
            "$(sed -n 's/^nonvoluntary_ctxt_switches:\s*//p' "$task/status")"
    done
}
idle() {
    local label=$1 before after
    before=$(snapshot)
    sleep "$idle_seconds"
    after=$(snapshot)
    echo "  $label, over $idle_seconds s:"
    join -t $'\t' <(sort -t $'\t' -k1,1 <<<"$before") <(sort -t $'\t' -k1,1 <<<"$after") |
        awk -F'\t' -v s="$idle_seconds" -v label="$label" -v pid="$game_pid" '
        { voluntary = ($6 - $3) / s; other = ($7 - $4) / s
          printf "    thread %-18s %6.2f wake-ups/s (voluntary switches), %5.2f/s preempted\n", $2, voluntary, other
          if ($1 == pid) main = voluntary; else helpers = helpers sprintf("; %s %.2f/s", $2, voluntary) }
        END { printf "TABLE\tIdle, clock %s: wake-ups/s\tmain thread %.2f%s\t%s\n", label, main, helpers,
                     label == "stopped" ? "0" : "1" }'
}

echo "Wake-ups of the game left alone on the intermediate field:"
# A first run: the intermediate field, whatever the benchmarks above stored.
XDG_CONFIG_HOME="$work/idle-config" "$game" >/dev/null 2>&1 &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" | head -n1)
sleep 2
idle stopped | tee "$work/idle.out" | sed -u '/^TABLE/d'
# A right click on a cell in the middle of the field flags it and starts the clock.
xdotool mousemove --window "$window" 140 200 click 3
sleep 1.5
idle running | tee -a "$work/idle.out" | sed -u '/^TABLE/d'
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=

echo
echo "Load after: $(uptime)"
echo
echo "| what | figure | target |"
echo "|---|---|---|"
cat "$work"/{startup,memory,actions,idle}.out | sed -n 's/^\s*TABLE\t//p' | awk -F'\t' '{ printf "| %s | %s | %s |\n", $1, $2, $3 }'
