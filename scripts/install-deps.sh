#!/usr/bin/env bash
# Installs the Debian packages that building and running (run) or testing
# (test) needs, and does nothing when they are all present already.
set -euo pipefail

group=${1:-run}
run_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev qt6-qpa-plugins fonts-noto-cjk)
test_packages=(xvfb xdotool x11-utils clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file)

packages=("${run_packages[@]}")
[ "$group" = test ] && packages+=("${test_packages[@]}")

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
