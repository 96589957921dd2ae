#!/usr/bin/env bash
# Builds the Debian package, installs it on THIS machine with apt-get, starts
# the installed program on a virtual display (window, help page), then purges
# the package and checks that none of its files is left. Needs root and skips
# (exit code 77) without it, or when the package is installed already.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
cpack=${2:-cpack}
package=tolvy-mines
program=/usr/bin/tolvy-mines
page=/usr/share/tolvy-mines/help.html

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || skip "installing the package needs root (CI runs the tests as root)"
case $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true) in
    *" installed") skip "$package is installed on this machine already; leaving it alone" ;;
esac

work=$(mktemp -d)
chmod 755 "$work"   # apt reads the package as its own unprivileged user
installed=false
cleanup() {
    if $installed; then
        echo "purging $package after a failure"
        apt-get purge -y -qq -o DPkg::Lock::Timeout=300 "$package" >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300 "$@"; }

echo "== building the package"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/${package}_*.deb)
chmod 644 "$deb"
echo "${deb##*/}"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for need in libqt6core6 libqt6gui6 libqt6widgets6 fonts-noto-cjk; do
    grep -Eq "(^|, )$need( |,|$)" <<<"$depends" || fail "the package does not depend on $need"
done

# What of the package's paths is on the machine before: those folders stay.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep . >"$work/contents"
while read -r path; do
    if [ -e "$path" ]; then echo "$path"; fi
done <"$work/contents" >"$work/before"

echo "== installing $package on this machine with apt-get (purged again at the end)"
installed=true
apt_get install --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
dpkg -L "$package" | grep -vx '/\.' >"$work/files"
for path in "$program" "$page" /usr/share/applications/org.tolvy.Mines.desktop; do
    grep -qxF "$path" "$work/files" || fail "the package does not install $path"
done

echo "== starting the installed program on a virtual display"
"$here/../xvfb-session.sh" "$here/installed-program.sh" "$program" "$page"

echo "== purging $package"
apt_get purge "$package" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get purge"; }
installed=false
case $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true) in
    "" | *" not-installed") ;;
    *) fail "dpkg still knows $package: $(dpkg-query -W -f='${Status}' "$package")" ;;
esac

left=0
while read -r path; do
    grep -qxF "$path" "$work/before" && continue
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        # dpkg keeps a folder that now holds other packages' files, such as a desktop cache.
        echo "note: $path stays, holding: $(ls -A "$path" | tr '\n' ' ')"
    elif [ -e "$path" ] || [ -L "$path" ]; then
        echo "left behind: $path" >&2
        left=1
    fi
done <"$work/files"
[ "$left" -eq 0 ] || fail "files of $package are left after the purge"
echo "$package installed, ran and was purged without a trace"
