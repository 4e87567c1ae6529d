#!/usr/bin/env bash
# The Debian package builds with derived dependencies and no lintian error, installs no autostart
# entry, and has desktop files that validate and speak German, the bell at each theme size, its
# sound-server module, its own alarm tone and its catalogues where the program finds them.
#   package_check.sh BUILD-DIR
set -uo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/../e2e/expect.sh"

cpack --config "$build/CPackConfig.cmake" -B "$tmp/package" >/dev/null || fail "cpack"
deb=$(ls "$tmp"/package/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no package"
lintian --fail-on error "$deb" || fail "lintian"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the dependencies were not derived"
# libcanberra0 only suggests its sound-server back end, without which the own alarm sound is mute.
dpkg-deb -f "$deb" Depends | grep -q 'libcanberra-pulse' || fail "no libcanberra-pulse"

dpkg -x "$deb" "$tmp/root"
# The program starts with the session only while an alarm is on, by an entry of the user's.
[ -d "$tmp/root/usr/bin" ] || fail "nothing unpacked"
[ ! -e "$tmp/root/etc/xdg/autostart" ] || fail "a system-wide autostart entry"
# The desktop files as installed, with the catalogues' translations merged in.
share=$tmp/root/usr/share
desktop-file-validate "$share"/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$share"/metainfo/*.xml || fail "appstreamcli validate"
[ "$(grep -cE '^(GenericName|Comment)\[de\]=' "$share"/applications/*)" = 2 ] || fail "no German"
grep -q 'xml:lang="de"' "$share"/metainfo/*.xml || fail "no German AppStream metadata"
icons=$share/icons/hicolor
# The sound-server module and the tone, where the program looks for them from its own folder.
bin=$tmp/root/usr/bin
for wanted in dawnquill-sound.so alarm-tone.wav; do
  path=$(strings "$bin/DawnQuill" | grep "^\.\./.*/$wanted\$") || fail "no path to $wanted"
  [ -s "$bin/$path" ] || fail "nothing at $path from the executable"
done
dpkg-deb -f "$deb" Depends | grep -q 'libpulse0' || fail "the module's dependencies were not derived"
# The catalogues, where the program looks for them from its own folder, and Qt's own beside.
locale=$(strings "$bin/DawnQuill" | grep '^\.\./.*/locale$') || fail "no path to the catalogues"
for language in de fr es it nl pt_BR; do
  [ -s "$bin/$locale/$language/LC_MESSAGES/dawnquill.mo" ] || fail "no $language catalogue"
done
dpkg-deb -f "$deb" Depends | grep -q 'qt6-translations-l10n' || fail "no Qt catalogues"
for size in 16 32 48 64 128 256; do
  [ "$(identify -format %wx%h "$icons/${size}x${size}/apps/org.dawnquill.DawnQuill.png")" = \
    "${size}x${size}" ] || fail "no icon of ${size} pixels"
done
