#!/usr/bin/env bash
# The desktop files validate, the Debian package builds with derived dependencies and no lintian
# error, its icons are as crisp as the 16-pixel bell, and the program it installs starts from
# its menu entry's Exec line.
#   package_check.sh SOURCE-DIR BUILD-DIR
set -uo pipefail
src=$1 build=$2
source "$src/tools/desktop-rig.sh"
trap rig_cleanup EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=$((failed + 1))
}

desktop-file-validate "$src"/app/desktop/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$src"/app/desktop/*.metainfo.xml >"$rig_dir/appstream" 2>&1 ||
  { cat "$rig_dir/appstream"; fail "appstreamcli validate"; }

cpack --config "$build/CPackConfig.cmake" -B "$rig_dir/package" >/dev/null || fail "cpack"
deb=$(ls "$rig_dir"/package/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package"; exit 1; }
lintian --fail-on error "$deb" >"$rig_dir/lintian" 2>&1 || { cat "$rig_dir/lintian"; fail "lintian"; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the dependencies were not derived"

root=$rig_dir/root
dpkg -x "$deb" "$root"
icons=$root/usr/share/icons/hicolor
colours() { convert "$1" -format %k info:; }
for size in 32 48 64 128 256; do
  [ "$(colours "$icons/${size}x${size}/apps/org.dawnquill.DawnQuill.png")" = \
    "$(colours "$icons/16x16/apps/org.dawnquill.DawnQuill.png")" ] ||
    fail "the ${size}-pixel icon has colours the bell does not: it was blurred"
done

rig_start_x || { echo "SKIP: Xvfb cannot start here"; exit 77; }
rig_start_bus && rig_start_mpv || fail "no bus or no player"
exec_line=$(sed -n 's/^Exec=//p' "$root"/usr/share/applications/*.desktop)
XDG_CONFIG_HOME=$rig_dir/config PATH=$root/usr/bin:$PATH $exec_line &
rig_pids+=($!)
rig_wait 100 rig_window_shown DawnQuill || fail "the installed program did not start"

echo "package: $((failed == 0 ? 1 : 0)) passed, $((failed == 0 ? 0 : 1)) failed"
[ "$failed" -eq 0 ]
