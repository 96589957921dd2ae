#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target tolvy-mines
exec build/ui/tolvy-mines "$@"
