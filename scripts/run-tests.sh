#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the whole project, then the rules again under AddressSanitizer and
# UndefinedBehaviorSanitizer (with the soak), then a minute of each fuzz
# target. Fails when any test fails or none ran, or fuzzing finds anything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
passed=0
skipped=0

# Adds a ctest run's passed and skipped tests to the totals.
count_ctest() {
    local total failed skips
    read -r failed total < <(sed -nE 's/.*tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/p' "$1" | tail -n 1)
    skips=$(grep -cE '^[[:space:]]*[0-9]+ - .*[(]Skipped[)]$' "$1" || true)
    passed=$((passed + total - failed - skips))
    skipped=$((skipped + skips))
}

cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs" | tee "$logs/plain"
count_ctest "$logs/plain"

# Debug keeps the assertions; -O1 keeps the random player quick; the library
# assertions check every index into standard containers as well.
cmake -S . -B build-sanitize -G Ninja -DTOLVY_RULES_ONLY=ON -DCMAKE_BUILD_TYPE=Debug \
    "-DCMAKE_CXX_FLAGS=-O1 -D_GLIBCXX_ASSERTIONS -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
cmake --build build-sanitize -j "$jobs"
# The sanitizers print their own stack; Qt Test's debugger dump after an abort only slows the failure down.
QTEST_DISABLE_STACK_DUMP=1 \
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j "$jobs" | tee "$logs/sanitize"
count_ctest "$logs/sanitize"

# Each fuzz target for a minute, seeded from its corpus in fuzz/corpus/.
scripts/fuzz.sh 60 | tee "$logs/fuzz"
passed=$((passed + $(grep -c '^fuzzing .* for ' "$logs/fuzz")))

echo
echo "all tests: $passed passed, 0 failed, $skipped skipped"
