#!/usr/bin/env bash
# Sets up what every Windows test runs in: a display with a tray host, and a fresh Wine prefix
# with the crash dialog off. wine_down.sh ends it, by the PIDs written here.
#   wine_up.sh DIR
set -uo pipefail
dir=$1
source "$(dirname "$0")/../e2e/expect.sh"
command -v wine >/dev/null || unavailable Wine
command -v Xvfb >/dev/null || unavailable Xvfb
# Cases start the installer and the program in a German locale, which Wine reads through glibc.
locale -a | grep -qx de_DE.utf8 || localedef -i de_DE -f UTF-8 de_DE.UTF-8 ||
  unavailable "a German locale"
rm -rf "$dir"
mkdir -p "$dir"
setsid Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 800x600x24 3>"$dir/display.fd" \
  </dev/null >/dev/null 2>&1 &
echo $! >"$dir/xvfb.pid"
for _ in $(seq 50); do [ -s "$dir/display.fd" ] && break; sleep 0.1; done
[ -s "$dir/display.fd" ] || unavailable Xvfb
export DISPLAY=":$(cat "$dir/display.fd")"
echo "$DISPLAY" >"$dir/display"
setsid trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
  </dev/null >/dev/null 2>&1 &
echo $! >"$dir/trayer.pid"
export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
timeout 120 wineboot -i </dev/null >/dev/null 2>&1 || unavailable "a Wine prefix"
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
  </dev/null >/dev/null 2>&1
wineserver -w
