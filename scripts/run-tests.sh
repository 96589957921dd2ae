#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the whole project, then the rules again under AddressSanitizer and
# UndefinedBehaviorSanitizer (with the soak), then a minute of each fuzz
# target. Fails when any test fails or none ran, or fuzzing finds anything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DTOLVY_RULES_ONLY=ON -DCMAKE_BUILD_TYPE=Debug \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j "$jobs"

# Each fuzz target for a minute, seeded from its corpus in fuzz/corpus/.
scripts/fuzz.sh 60
