#!/usr/bin/env bash
# The real DawnQuill.exe under Wine, on the test run's display with trayer, and the stub player:
# started before the player, it asks for it, and Retry with the player there shows its window;
# its icon docks; it is armed for the current minute and rings, and the player is told to play;
# the player quits while the wake-up window is open and the prompt comes, so ticks fire inside
# the window's loop; Retry with the player back, a key snoozes and the player is told to stop;
# Exit saves the settings, with the delay box's two typed characters, in the registry.
# Screenshots of both windows land in the build's screenshots folder.
#   e2e.sh BUILD-DIR WINE-DIR
set -uo pipefail
build=$1 dir=$2
[ -f "$dir/display" ] || exit 77
export DISPLAY=$(cat "$dir/display") WINEPREFIX=$dir/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
shots=$build/screenshots
mkdir -p "$shots"
log=$dir/player.log
rm -f "$log"
source "$(dirname "$0")/../../tools/desktop-rig.sh"
cleanup() {
  rig_cleanup
  wineserver -k 2>/dev/null
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  import -window root "$shots/windows-failed.png"
  exit 1
}
gone() { ! rig_window_shown "$1"; }
docked() {  # Wine's icon window inside the tray host, not at the root
  comm -23 <(xdotool search --class explorer.exe | sort) \
    <(xdotool search --maxdepth 1 --class explorer.exe | sort) 2>/dev/null | grep -q .
}

# Starts the stub player and answers the waiting prompt with Retry until it has gone.
start_player() {
  wine "$build/tests/stub_player.exe" "$(winepath -w "$log")" >/dev/null 2>&1 &
  player_pid=$!
  rig_pids+=($player_pid)
  rig_wait 100 bash -c "xdotool search --name '^stub player$'" || fail "the stub player did not start"
  rig_wait 50 retried || fail "Retry with the player there did not end the prompt"
}
retried() {  # clicks Retry, the left of the two buttons centred at the box's foot
  local box WIDTH HEIGHT
  box=$(rig_window 'Winamp not running')
  if [ -n "$box" ]; then
    eval "$(xdotool getwindowgeometry --shell "$box" | grep -E '^(WIDTH|HEIGHT)=')"
    xdotool mousemove --window "$box" $((WIDTH / 2 - 50)) $((HEIGHT - 22)) click 1
    sleep 0.5
  fi
  ! rig_window_shown 'Winamp not running'
}

# The alarm minute must not run out while the program starts.
[ "$(date +%S)" -lt 30 ] || sleep $((62 - $(date +%S)))
hour=$(date +%-H) minute=$(date +%-M)
wine "$build/DawnQuill.exe" >/dev/null 2>&1 &
rig_pids+=($!)
rig_wait 200 rig_window_shown 'Winamp not running' || fail "no prompt for the missing player"
start_player
rig_wait 50 rig_window_shown DawnQuill || fail "Retry with the player there showed no window"
rig_wait 50 docked || fail "the icon did not dock in the tray"
main=$(rig_window DawnQuill)
import -window "$main" "$shots/windows-main-window.png"
rig_arm "$hour" "$minute" 123  # the delay box keeps two typed characters
rig_wait 100 rig_window_shown 'Dawnquill - Wake up!' || fail "no ring in the armed minute"
sleep 0.5
import -window "$(rig_window 'Dawnquill - Wake up!')" "$shots/windows-wake-up-window.png"
[ "$(cat "$log" 2>/dev/null)" = "40045 0" ] || fail "the player was not told to play: $(cat "$log")"
kill "$player_pid"
rig_wait 100 rig_window_shown 'Winamp not running' || fail "no tick while the wake-up window is open"
start_player
xdotool windowfocus --sync "$(rig_window 'Dawnquill - Wake up!')" key x
rig_wait 50 gone 'Dawnquill - Wake up!' || fail "a key did not snooze"
[ "$(tr '\n' ' ' <"$log")" = "40045 0 40047 0 " ] || fail "the snooze did not stop: $(cat "$log")"
xdotool mousemove --window "$main" 56 160 click 1  # "Exit"
rig_wait 50 gone DawnQuill || fail "Exit did not end the program"
rig_wait 30 bash -c "wine reg query 'HKCU\\Software\\VB and VBA Program Settings\\DawnQuill\\Settings' \
  2>/dev/null | tr -d '\r' | grep -q 'SnoozeDelay    REG_SZ    12'" ||
  fail "the settings are not in the registry"
wine reg query 'HKCU\Software\VB and VBA Program Settings\DawnQuill\Settings' 2>/dev/null | tr -d '\r'
