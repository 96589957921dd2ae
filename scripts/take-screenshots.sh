#!/usr/bin/env bash
# Takes the README's screenshots again from the real program: builds it,
# plays it on an Xvfb display of its own and writes docs/screenshots/*.png
# (the three fixed levels, a won game with the hall of fame, the custom
# field dialog). There is no window manager there, so the windows show
# without frames.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

cmake -S . -B build -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build build -j "$(nproc)" --target tolvy-mines take-screenshots
mkdir -p docs/screenshots
tests/xvfb-session.sh build/tests/realwindow/take-screenshots docs/screenshots
