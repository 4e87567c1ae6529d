#!/usr/bin/env bash
# DawnQuill end to end on real parts: Xvfb, the trayer tray host (or a stand-in StatusNotifier
# host, or none), a private session bus, mpv, the real executable with a settings folder of its
# own, xdotool for the person, and libfaketime to put the clock just before the alarm.
#   e2e.sh CASE DAWNQUILL CLOSE_WINDOW FAKE_SNI_WATCHER FAKE_MPRIS_PLAYER SHOTS_DIR
# Each case has a rig of its own that ends every process it started; exit 77 when Xvfb cannot
# start here.
set -uo pipefail
name=$1 app=$2 close_window=$3 fake_sni_watcher=$4 fake_player=$5 shots=$6
here=$(dirname "$0")
mkdir -p "$shots"
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)

# ---------------------------------------------------------------- helpers, used inside a case
fail() {
  echo "FAIL: $*"
  exit 1
}

start_rig() {  # start_rig [tray|none]
  source "$here/../../tools/desktop-rig.sh"
  trap rig_cleanup EXIT
  rig_start_x || exit 77
  rig_start_bus || fail "no session bus"
  [ "${1:-tray}" = tray ] && rig_start_tray
  export XDG_CONFIG_HOME=$rig_dir/config
  clock_file=$rig_dir/faketime
  set_clock "$(date +%H:%M:%S)"
}

# The program's wall clock reads $1 (HH:MM:SS, today) from now on; timers keep their real pace.
set_clock() {
  printf '%+d\n' $(($(date -d "$1" +%s) - $(date +%s))) >"$clock_file"
}

start_app() {
  LD_PRELOAD=$faketime_lib FAKETIME_TIMESTAMP_FILE=$clock_file FAKETIME_CACHE_DURATION=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 "$app" &
  app_pid=$!
  rig_pids+=("$app_pid")
}

app_running() { kill -0 "$app_pid" 2>/dev/null; }
app_ended() { ! app_running; }

main_window() { rig_window DawnQuill; }
wake_window() { rig_window 'Dawnquill - Wake up!'; }
prompt_window() { rig_window 'Winamp not running'; }

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
main_shown() { local w; w=$(main_window); [ -n "$w" ] && viewable "$w"; }
main_hidden() { local w; w=$(xdotool search --all --name '^DawnQuill$' | head -n 1); ! viewable "$w"; }

click() {  # click WINDOW X Y
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Types hour, minute and delay into the boxes.
type_inputs() {
  local w
  w=$(main_window)
  xdotool windowfocus --sync "$w"
  click "$w" 110 50  # the hour box
  xdotool key ctrl+a type "$1"
  xdotool key Tab ctrl+a type "$2"
  xdotool key Tab ctrl+a type "$3"
}

# Types hour, minute and delay and presses Enter.
arm() {
  type_inputs "$@"
  xdotool key Return
}

# The docked icon: the program's window whose parent is the tray host, not the root.
icon_window() {
  local w
  for w in $(xdotool search --class DawnQuill 2>/dev/null); do
    xwininfo -id "$w" -children 2>/dev/null | grep -q 'Parent window id: .*(the root window)' ||
      { echo "$w"; return 0; }
  done
  return 1
}

# Which of the three pictures the docked icon shows: 2 has the red stroke, 3 has six outline
# pixels more than the 22 of 1 (the ringing angles).
icon_picture() {
  local w histogram red outline
  w=$(icon_window) || return 1
  import -window "$w" "$rig_dir/icon.png" 2>/dev/null || return 1
  histogram=$(convert "$rig_dir/icon.png" -format %c histogram:info:- 2>/dev/null)
  red=$(grep -c -i '#FF0000' <<<"$histogram")
  outline=$(grep -i '#9B6900' <<<"$histogram" | sed 's/^ *\([0-9]*\):.*/\1/')
  if [ "$red" -gt 0 ]; then echo 2; elif [ "${outline:-0}" -gt 25 ]; then echo 3; else echo 1; fi
}
icon_is() { [ "$(icon_picture)" = "$1" ]; }

position() {
  dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.mpv /org/mpris/MediaPlayer2 \
    org.freedesktop.DBus.Properties.Get string:org.mpris.MediaPlayer2.Player string:Position |
    awk '/int64/ {print $3}'
}
player_sounding() {
  local before
  before=$(position)
  sleep 0.4
  [ "$(position)" -gt "$before" ]
}
player_silent() { ! player_sounding; }

tray_menu() {  # tray_menu ITEM-INDEX: opens the icon's menu and chooses Show/Hide (0) or Exit (2)
  local w
  w=$(icon_window) || fail "no docked icon"
  xdotool mousemove --window "$w" 11 11 click 3
  sleep 0.4
  [ -n "${2:-}" ] && import -window root -crop 260x90+540+0 "$2"
  if [ "$1" = 0 ]; then xdotool key Down Return; else xdotool key Down Down Return; fi
}

settings_are() {
  local actual
  actual=$(cat "$XDG_CONFIG_HOME/DawnQuill.conf" 2>/dev/null | tr '\n' ' ')
  [ "$actual" = "[Settings] Hour=$1 Minute=$2 SnoozeDelay=$3 " ] ||
    fail "the settings file holds '$actual', not $1, $2, $3"
}

# ----------------------------------------------------------------------------------- cases
case_ring_snooze_and_off() {
  start_rig tray
  rig_start_mpv || fail "mpv did not start"
  set_clock 06:59:56
  start_app
  rig_wait 100 main_shown || fail "no main window"
  rig_wait 50 icon_is 2 || fail "the icon does not dock with picture 2"
  import -window "$(main_window)" "$shots/main-window.png"
  arm 7 0 1
  rig_wait 20 icon_is 1 || fail "arming does not show picture 1"
  rig_wait 120 rig_window_shown 'Dawnquill - Wake up!' || fail "no ring at 7:00"
  rig_wait 30 player_sounding || fail "the player is silent while ringing"
  rig_wait 30 icon_is 3 || fail "ringing does not show picture 3"
  import -window "$(wake_window)" "$shots/wake-up-window.png"
  xdotool windowfocus --sync "$(wake_window)" key x
  rig_wait 30 bash -c "! xdotool search --onlyvisible --name 'Wake up'" || fail "a key did not snooze"
  rig_wait 20 player_silent || fail "the player still sounds after the snooze"
  icon_is 1 || fail "snoozing does not show picture 1"
  set_clock 07:00:57
  rig_wait 150 rig_window_shown 'Dawnquill - Wake up!' || fail "no second ring at 7:01"
  rig_wait 30 player_sounding || fail "the player is silent at the second ring"
  "$close_window" "$(wake_window)"
  sleep 0.5
  [ -n "$(wake_window)" ] || fail "the wake-up window's close button closed it"
  click "$(wake_window)" 150 172  # "Turn alarm off"
  rig_wait 30 player_silent || fail "Turn alarm off did not stop the player"
  rig_wait 20 icon_is 2 || fail "turning off does not show picture 2"
  app_running || fail "the program ended"
}

case_close_hides_and_tray_brings_back() {
  start_rig tray
  rig_start_mpv || fail "mpv did not start"
  set_clock 12:00:00
  start_app
  rig_wait 100 main_shown || fail "no main window"
  arm 12 30 9
  "$close_window" "$(main_window)"
  rig_wait 20 main_hidden || fail "the close button did not hide the armed window"
  sleep 1
  app_running || fail "closing while armed ended the program"
  xdotool mousemove --window "$(icon_window)" 5 5 mousemove --window "$(icon_window)" 11 11 click 1
  sleep 0.6
  main_hidden || fail "a single click or the pointer over the icon showed the window"
  xdotool mousemove --window "$(icon_window)" 11 11 click --repeat 2 --delay 120 1
  rig_wait 20 main_shown || fail "a double click did not bring the window back"
  tray_menu 0 "$shots/tray-menu.png"
  rig_wait 20 main_hidden || fail "Show/Hide on a shown window did not hide it"
  tray_menu 0
  rig_wait 20 main_shown || fail "Show/Hide did not bring the window back"
  click "$(main_window)" 144 160  # "To tray"
  rig_wait 20 main_hidden || fail "To tray did not hide the window"
  set_clock 12:29:58
  rig_wait 120 rig_window_shown 'Dawnquill - Wake up!' || fail "the hidden program did not ring"
  click "$(wake_window)" 150 172
}

case_exit_saves_settings() {
  start_rig tray
  rig_start_mpv || fail "mpv did not start"
  start_app
  rig_wait 100 main_shown || fail "no main window"
  local w
  w=$(main_window)
  xdotool windowfocus --sync "$w"
  click "$w" 110 50
  xdotool key ctrl+a type 07
  xdotool key Tab ctrl+a type 05
  xdotool key Tab ctrl+a type 15
  tray_menu 2
  rig_wait 50 app_ended || fail "the tray's Exit did not end the program"
  settings_are 7 5 15
  start_app  # the delay box refuses 0 at close and the last good delay is saved
  rig_wait 100 main_shown || fail "no main window on the second run"
  w=$(main_window)
  xdotool windowfocus --sync "$w"
  click "$w" 108 121  # the delay box
  xdotool key ctrl+a type 0
  click "$w" 56 160  # "Exit"
  rig_wait 50 app_ended || fail "Exit did not end the program"
  settings_are 7 5 15
}

case_player_missing() {
  start_rig tray
  start_app
  rig_wait 100 rig_window_shown 'Winamp not running' || fail "no prompt for the missing player"
  [ -z "$(main_window)" ] || fail "the main window came before the prompt"
  rig_start_mpv || fail "mpv did not start"
  xdotool windowfocus --sync "$(prompt_window)" key Return  # Retry, the default button
  rig_wait 50 main_shown || fail "Retry with the player running did not show the window"
  click "$(main_window)" 144 160  # "To tray"
  rig_wait 20 main_hidden || fail "To tray did not hide the window"
  kill "$rig_mpv_pid"  # the player quits
  rig_wait 80 rig_window_shown 'Winamp not running' || fail "no prompt within a tick"
  xdotool windowfocus --sync "$(prompt_window)" key Escape  # Cancel
  rig_wait 50 app_ended || fail "Cancel did not end the program"
  settings_are 0 0 9
}

case_no_tray_host() {
  start_rig none
  rig_start_mpv || fail "mpv did not start"
  start_app
  rig_wait 100 main_shown || fail "no main window"
  click "$(main_window)" 144 160  # "To tray"
  sleep 1
  main_shown || fail "without a notification area To tray made the window unreachable"
}

case_status_notifier_host() {
  start_rig none
  rig_start_mpv || fail "mpv did not start"
  "$fake_sni_watcher" >"$rig_dir/items" &
  rig_pids+=($!)
  rig_wait 50 bash -c "dbus-send --session --print-reply --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher \
    | grep -q true" || fail "the stand-in host did not start"
  start_app
  rig_wait 100 test -s "$rig_dir/items" || fail "no item registered with the host"
  local item menu
  item=$(head -n 1 "$rig_dir/items")
  menu=$(dbus-send --session --print-reply --dest="$item" /StatusNotifierItem \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:Menu |
    awk '/object path/ {gsub(/"/, "", $4); print $4}')
  [ -n "$menu" ] || fail "the item exports no menu"
  local layout
  layout=$(dbus-send --session --print-reply --dest="$item" "$menu" \
    com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string:)
  grep -q '"Show/Hide"' <<<"$layout" || fail "the exported menu has no Show/Hide"
  grep -q '"Exit"' <<<"$layout" || fail "the exported menu has no Exit"
  rig_wait 100 main_shown || fail "no main window"
  click "$(main_window)" 144 160  # "To tray"
  rig_wait 20 main_hidden || fail "To tray did not hide the window"
  dbus-send --session --print-reply --dest="$item" /StatusNotifierItem \
    org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null || fail "Activate failed"
  rig_wait 20 main_shown || fail "the host's activation did not bring the window back"
}

case_tray_host_restarts() {
  start_rig tray
  rig_start_mpv || fail "mpv did not start"
  start_app
  rig_wait 100 main_shown || fail "no main window"
  rig_wait 50 icon_window >/dev/null || fail "the icon never docked"
  kill "$rig_tray_pid"
  sleep 1
  app_running || fail "the program ended with the tray host"
  rig_start_tray
  rig_wait 50 icon_window >/dev/null || fail "the icon did not dock again"
  click "$(main_window)" 144 160  # "To tray"
  rig_wait 20 main_hidden || fail "To tray did not hide the window"
  xdotool mousemove --window "$(icon_window)" 11 11 click --repeat 2 --delay 120 1
  rig_wait 20 main_shown || fail "a double click on the docked-again icon did nothing"
}

# A thousand state changes, on and off, and the resident memory stays where it was.
case_memory_flat() {
  start_rig tray
  rig_start_mpv || fail "mpv did not start"
  start_app
  rig_wait 100 main_shown || fail "no main window"
  local w before after
  w=$(main_window)
  xdotool mousemove --window "$w" 232 160 click --repeat 100 --delay 5 1
  sleep 1
  before=$(awk '/^VmRSS/ {print $2}' "/proc/$app_pid/status")
  xdotool mousemove --window "$w" 232 160 click --repeat 901 --delay 5 1
  rig_wait 20 icon_is 1 || fail "the clicks did not reach the toggle button"
  after=$(awk '/^VmRSS/ {print $2}' "/proc/$app_pid/status")
  echo "resident memory after 100 changes ${before} kB, after 1001 ${after} kB"
  [ "$after" -le $((before * 105 / 100)) ] || fail "resident memory grew by more than 5%"
}

# A player that takes every command and never answers holds each command for the bound, 1 s,
# and no longer: the alarm still rings, turns off, and the window answers again.
case_hanging_player() {
  start_rig tray
  "$fake_player" "$rig_dir/calls" --hang org.mpris.MediaPlayer2.stuck &
  rig_pids+=($!)
  set_clock 06:59:57
  start_app
  rig_wait 100 main_shown || fail "no main window"
  arm 7 0 9
  rig_wait 100 rig_window_shown 'Dawnquill - Wake up!' || fail "no ring with a hanging player"
  local start
  start=$(date +%s%N)
  click "$(wake_window)" 150 172  # "Turn alarm off": its stop is held for the bound
  rig_wait 30 bash -c "! xdotool search --onlyvisible --name 'Wake up'" ||
    fail "the wake-up window stayed"
  echo "Turn alarm off took $((($(date +%s%N) - start) / 1000000)) ms with the player hanging"
  click "$(main_window)" 144 160  # "To tray"
  rig_wait 20 main_hidden || fail "the window did not answer after the hanging player"
  grep -q 'stuck Play' "$rig_dir/calls" || fail "the hanging player never got Play"
}

# Snooze pressed two minutes into the ring, with a delay of one minute: the snooze counts from the
# last tick before the press, so the alarm rings again a minute later, not at a minute now past.
case_late_snooze() {
  start_rig tray
  rig_start_mpv || fail "mpv did not start"
  set_clock 06:59:56
  start_app
  rig_wait 100 main_shown || fail "no main window"
  arm 7 0 1
  rig_wait 120 rig_window_shown 'Dawnquill - Wake up!' || fail "no ring at 7:00"
  set_clock 07:02:10
  sleep 6  # a tick passes while the wake-up window is open
  xdotool windowfocus --sync "$(wake_window)" key x
  rig_wait 30 bash -c "! xdotool search --onlyvisible --name 'Wake up'" || fail "a key did not snooze"
  set_clock 07:02:58
  rig_wait 150 rig_window_shown 'Dawnquill - Wake up!' || fail "the late snooze never rang again"
  click "$(wake_window)" 150 172
}

# SIGTERM, as systemd and many sessions end a user's programs: with the alarm off the settings
# are saved as by a close; with it on the program ends too, and saves nothing.
case_sigterm() {
  start_rig tray
  rig_start_mpv || fail "mpv did not start"
  start_app
  rig_wait 100 main_shown || fail "no main window"
  type_inputs 6 45 7
  kill -TERM "$app_pid"
  rig_wait 30 app_ended || fail "SIGTERM did not end the program"
  settings_are 6 45 7
  start_app
  rig_wait 100 main_shown || fail "no main window on the second run"
  arm 8 30 5
  kill -TERM "$app_pid"
  rig_wait 30 app_ended || fail "SIGTERM did not end the program with the alarm on"
  settings_are 6 45 7
}

# ------------------------------------------------------------------------------------ runner
declare -F "case_$name" >/dev/null || { echo "no such case: $name" >&2; exit 2; }
"case_$name"
