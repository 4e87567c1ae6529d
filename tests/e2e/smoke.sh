#!/usr/bin/env bash
# The real program on a real X server with a private bus: with mpv running, the main window
# appears and "Exit" ends the program; without a player, Cancel on the start-up prompt ends it
# before any window is shown. Both times the settings file holds what a first run stores.
set -uo pipefail
app=$1
source "$(dirname "$0")/../../tools/desktop-rig.sh"
trap rig_cleanup EXIT

rig_start_x || { echo "SKIP: Xvfb cannot start here"; exit 77; }
rig_start_bus || { echo "FAIL: no bus"; exit 1; }
failed=0
expected=$'[Settings]\nHour=0\nMinute=0\nSnoozeDelay=9'

fail() {
  echo "FAIL: $*"
  failed=$((failed + 1))
}

check_settings() {
  local actual
  actual=$(cat "$XDG_CONFIG_HOME/DawnQuill.conf" 2>/dev/null)
  [ "$actual" = "$expected" ] || fail "$1: the settings file holds '$actual'"
}

start_app() {
  export XDG_CONFIG_HOME=$rig_dir/config-$1
  "$app" &
  pid=$!
  rig_pids+=("$pid")
}

ended() { ! kill -0 "$pid" 2>/dev/null; }

# No player: the prompt comes first, and Cancel ends the program without a window ever shown.
start_app cancel
if rig_wait 100 rig_window_shown "Winamp not running"; then
  [ -z "$(rig_window DawnQuill)" ] || fail "cancel: the main window showed before the prompt"
  xdotool windowfocus --sync "$(rig_window "Winamp not running")" key Escape
  rig_wait 50 ended || fail "cancel: Cancel did not end the program"
  check_settings cancel
else
  fail "cancel: no prompt for the missing player"
fi

# With a player: the window shows, and Exit ends the program.
rig_start_mpv || { echo "FAIL: mpv did not start"; exit 1; }
start_app exit
if rig_wait 100 rig_window_shown DawnQuill; then
  xdotool mousemove --window "$(rig_window DawnQuill)" 56 160 click 1  # "Exit"
  rig_wait 50 ended || fail "exit: Exit did not end the program"
  check_settings exit
else
  fail "exit: the main window never appeared"
fi

echo "smoke: $((2 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
