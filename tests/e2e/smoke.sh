#!/usr/bin/env bash
# The real program on a real X server with a private bus and mpv: the main window appears,
# "Exit" ends the program, and the settings file holds what a first run stores.
set -uo pipefail
app=$1
source "$(dirname "$0")/../../tools/desktop-rig.sh"
trap rig_cleanup EXIT

rig_start_x || { echo "SKIP: Xvfb cannot start here"; exit 77; }
rig_start_bus && rig_start_mpv || { echo "FAIL: no bus or no mpv"; exit 1; }
export XDG_CONFIG_HOME=$rig_dir/config

"$app" &
pid=$!
rig_pids+=("$pid")
rig_wait 100 rig_window_shown DawnQuill || { echo "FAIL: the main window never appeared"; exit 1; }
window=$(rig_window DawnQuill)
xdotool mousemove --window "$window" 56 160 click 1  # "Exit"
rig_wait 50 bash -c "! kill -0 $pid" || { echo "FAIL: Exit did not end the program"; exit 1; }

expected=$'[Settings]\nHour=0\nMinute=0\nSnoozeDelay=9'
actual=$(cat "$XDG_CONFIG_HOME/DawnQuill.conf" 2>/dev/null)
if [ "$actual" != "$expected" ]; then
  echo "FAIL: the settings file holds:"
  echo "$actual"
  exit 1
fi
echo "smoke: 1 passed, 0 failed"
