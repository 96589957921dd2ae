#!/usr/bin/env bash
# Installs what is missing, builds the game, the baseline window and the
# benchmarks in Release, and runs them all under Xvfb: start-up, memory,
# heaviest actions and idle wake-ups, ending with a table of the figures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --target bench -j "$(nproc)"
