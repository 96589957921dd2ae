#!/usr/bin/env bash
# Installs the build under a scratch folder (prefix /usr below a DESTDIR) and
# checks the files the desktop reads: the desktop entry and the AppStream
# metadata pass their validators, and the entry, the metadata, the program,
# the icons and the help page agree with each other.
set -euo pipefail
build=$1
cmake=${2:-cmake}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$root" "$cmake" --install "$build" --prefix /usr >/dev/null
usr=$root/usr
id=org.tolvy.Mines
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry at ${desktop#$root}"
[ -f "$metainfo" ] || fail "no metainfo at ${metainfo#$root}"

echo "desktop-file-validate ${desktop#$root}"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
echo "appstreamcli validate --no-net ${metainfo#$root}"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

grep -qx 'Name=Tolvy经典扫雷中文版' "$desktop" || fail "the entry's name"
grep -q '^Categories=\(.*;\)\?Game;' "$desktop" || fail "the entry is not in the Game category"
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$usr/bin/$program" ] || fail "Exec=$program is not an installed program"
grep -q "<binary>$program</binary>" "$metainfo" || fail "the metainfo does not provide $program"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch $id.desktop"

icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no ${size}x${size} icon named $icon"
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "${png#$root} is not a $size x $size PNG"
done

# The program looks for its page relative to its own folder.
[ -s "$usr/share/tolvy-mines/help.html" ] || fail "no help page at /usr/share/tolvy-mines/help.html"
echo "installed files are fine"
