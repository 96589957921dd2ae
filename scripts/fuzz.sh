#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-fuzz/) and runs each for a while,
# seeded from its corpus in fuzz/corpus/<target>/, which it only reads.
# Fails when a target finds anything; the input that shows it is kept in
# build-fuzz/findings/.
#
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTOLVY_FUZZ=ON -DTOLVY_RULES_ONLY=OFF \
    -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g -O1" \
    "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS" >/dev/null

if [ $# -gt 0 ]; then
    targets=("$@")
else
    mapfile -t targets < build-fuzz/fuzz/fuzzers.txt
fi
# Only the fuzz targets and what they link: the window is not needed.
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

mkdir -p build-fuzz/findings build-fuzz/logs
failed=()
for target in "${targets[@]}"; do
    [ -n "$target" ] || continue
    seeds=fuzz/corpus/$target
    # New inputs go to a scratch folder; the repository's corpus is only read.
    scratch=$(mktemp -d)
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1
             -artifact_prefix="build-fuzz/findings/$target-")
    [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
    log=build-fuzz/logs/$target.log
    echo "fuzzing $target for ${seconds}s (log: $log)"
    if LSAN_OPTIONS=suppressions=fuzz/lsan.supp "build-fuzz/fuzz/$target" "${options[@]}" "$scratch" "$seeds" \
        >"$log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^Done' "$log" | sed "s/^/  /" || true
    else
        echo "  $target found a fault:"
        grep -B2 -A30 -E 'ERROR|runtime error|Invariant broken|==[0-9]+==|deadly signal|timeout' "$log" | head -60 | sed "s/^/  /"
        failed+=("$target")
    fi
    rm -rf "$scratch"
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/findings/)"
    exit 1
fi
echo "fuzzing: no findings in ${targets[*]}"
