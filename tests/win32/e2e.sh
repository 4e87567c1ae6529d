#!/usr/bin/env bash
# The real DawnQuill.exe under Wine, on the test run's display with trayer, and the stub player.
#   e2e.sh CASE BUILD-DIR WINE-DIR
# The cases share one prefix and display, so they run one at a time. Screenshots land in the
# build's screenshots folder. Without the wine_up fixture's display the case is skipped: wine_up
# has failed, or skipped where the developer asked for skips.
set -uo pipefail
name=$1 build=$2 dir=$3
[ -f "$dir/display" ] || exit 77
export DISPLAY=$(cat "$dir/display") WINEPREFIX=$dir/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
shots=$build/screenshots
mkdir -p "$shots"
log=$dir/player.log
rm -f "$log"
settings_key='HKCU\Software\VB and VBA Program Settings\DawnQuill\Settings'
source "$(dirname "$0")/../../tools/desktop-rig.sh"
colours='HKCU\Control Panel\Colors'
cleanup() {
  rig_cleanup
  [ -n "${look_set:-}" ] && screen_look 96
  wineserver -k 2>/dev/null
}
# The prefix's screen density and, given them, the colours of a window's face and its text as a
# High Contrast scheme sets them, "R G B" each; Wine reads them as its processes start.
screen_look() {  # screen_look DPI [FACE TEXT]
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  if [ $# -eq 3 ]; then
    wine reg add "$colours" /v ButtonFace /d "$2" /f >/dev/null 2>&1
    wine reg add "$colours" /v ButtonText /d "$3" /f >/dev/null 2>&1
  else  # Wine's own colours
    wine reg delete "$colours" /v ButtonFace /f >/dev/null 2>&1
    wine reg delete "$colours" /v ButtonText /f >/dev/null 2>&1
  fi
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  look_set=1
}
trap cleanup EXIT

source "$(dirname "$0")/../e2e/expect.sh"
# A folder of Wine's user by its variable's name: wine_folder APPDATA.
wine_folder() { winepath -u "$(wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r')"; }
# The screen, and the program's own account of what it did.
on_fail() {
  import -window root "$shots/windows-failed-$name.png"
  tr -d '\r' <"$(wine_folder LOCALAPPDATA)/DawnQuill/DawnQuill.log" | tail -n 20
}
# An alarm hour half a day from the real clock, for a program that runs on it: no ring comes
# while the case runs, whatever the time of day.
far_hour=$((($(date +%-H) + 12) % 24))
gone() { rig_window_absent "$1"; }
ringing() { rig_window_shown 'Dawnquill - Wake up!'; }
snooze_by_key() {
  xdotool windowfocus --sync "$(rig_window 'Dawnquill - Wake up!')" key x
  expect_within 5 "a key to snooze" gone 'Dawnquill - Wake up!'
}
docked() { icon_window >/dev/null; }
undocked() { rig_display_answers && ! docked; }
player_told() { [ "$(tr '\n' ' ' <"$log" 2>/dev/null)" = "$1" ]; }
player_log_matches() { tr '\n' ' ' <"$log" 2>/dev/null | grep -q "$1"; }  # a grep pattern
stored() { in_registry "$settings_key" "$1"; }
in_registry() { wine reg query "$1" 2>/dev/null | tr -d '\r' | grep -q "$2"; }  # KEY TEXT
# Absent from a registry that answers.
not_in_registry() { wine reg query 'HKCU\Software' >/dev/null 2>&1 && ! in_registry "$@"; }
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# Starts the stub player, or one that takes five seconds over each command; its PID is in
# player_pid.
start_player() {  # start_player [hung]
  wine "$build/tests/stub_player.exe" "$(winepath -w "$log")" "$@" >/dev/null 2>&1 &
  player_pid=$!
  rig_pids+=($player_pid)
  expect_within 10 "the stub player's window" bash -c "xdotool search --name '^stub player$'"
}
# Answers the waiting prompt with Retry until it has gone: a click on the left of the two buttons
# centred at the box's foot, as a key can reach a prompt that Wine shows at start-up before it has
# the focus, and be lost.
retried() {
  local box WIDTH HEIGHT
  box=$(rig_window 'Winamp not running') && [ -n "$box" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$box" | grep -E '^(WIDTH|HEIGHT)=')"
  xdotool mousemove --window "$box" $((WIDTH / 2 - 50)) $((HEIGHT - 22)) click 1 && sleep 0.5
  rig_window_absent 'Winamp not running'
}
# Starts DawnQuill on the rig's clock and waits for its main window.
start_program() {
  rig_start_on_clock wine "$build/DawnQuill.exe" >/dev/null 2>&1
  expect_within 20 "the main window" rig_window_shown DawnQuill
}
# What the probe sees of the program's windows (window_probe.cpp).
probe() { wine "$build/tests/window_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }
shows_text() { probe texts | grep -qxF "$1"; }  # a control of the main window, the status too
program_ended() { ! kill -0 "$1" 2>/dev/null; }
# The wake-up window's clock digits, between its caption and its Snooze button, stand at least a
# sixth as high as the window, as they do at any scale when the font grows with the layout.
clock_fills_a_fifth() {
  local sizes
  sizes=$(import -window "$(rig_window 'Dawnquill - Wake up!')" png:- | convert - \
    -format '%h ' -write info: -gravity North -crop 80%x40%+0+12% +repage -colorspace gray \
    -threshold 50% -trim -format '%h' info:) || return 1
  awk -v s="$sizes" 'BEGIN { split(s, h, " "); exit !(h[2] > 0 && h[2] / h[1] > 1 / 6) }'
}
main_takes_input() { [ "$(probe enabled)" = "$1" ]; }  # main_takes_input 1|0
icon_window() { rig_docked_icon explorer.exe; }  # Wine's, inside the tray host
# A double click on the docked icon, and the main window within two seconds of it. Wine's
# explorer, on a busy machine, now and then drops the clicks on an icon it docked seconds
# before; the program answers a double click alone, so a retry proves no less.
icon_double_click_shows_main() {
  xdotool mousemove --sync --window "$(icon_window)" 11 11 click --repeat 2 --delay 120 1 &&
    rig_wait 20 rig_window_shown DawnQuill
}
# The sizes of the icons X was given for a window, "48x48 24x24".
window_icons() {
  xprop -id "$1" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p' | xargs
}
# The status line's text light on a dark ground: a few light pixels, not none and not most.
status_light_on_dark() {
  local light
  light=$(import -window root -crop "$(probe status-place)" +repage png:- | convert - \
    -colorspace gray -threshold 50% -format '%[fx:mean]' info:) || return 1
  awk -v l="$light" 'BEGIN { exit !(l > 0.02 && l < 0.5) }'
}

# ----------------------------------------------------------------------------------- cases
# Started before the player, it asks for it, and Retry with the player there shows its window;
# its icon docks. Armed, its clock jumps over the alarm minute, as after a sleep, and it rings at
# the next tick: the player is told to play. The player quits while it rings: at the next tick the
# room hears the program's own tone from its resources, and no prompt comes while it rings. The
# player back is told to play again, and the room is silent: Wine cannot tell more of a player's
# sound. A key snoozes and the player is told to stop; Exit saves the settings, with the delay
# box's two typed characters, in the registry. The ring is a line in the program's log file, with
# its time.
case_ring_snooze_and_exit() {
  local main
  expect "a sound server" rig_start_sound
  rig_set_clock 06:58:30
  rig_start_on_clock wine "$build/DawnQuill.exe" >/dev/null 2>&1
  expect_within 20 "the prompt for the missing player" rig_window_shown 'Winamp not running'
  start_player
  expect_within 5 "Retry with the player there to end the prompt" retried
  expect_within 5 "Retry with the player there to show the window" rig_window_shown DawnQuill
  expect_within 5 "the icon docked in the tray" docked
  main=$(rig_window DawnQuill)
  import -window "$main" "$shots/windows-main-window.png"
  expect "289 x 185 at 96 dpi" test "$(probe client)" = "289 185"
  rig_arm 7 0 123  # the delay box keeps two typed characters
  sleep 6          # an armed tick before the alarm minute
  rig_set_clock 07:01:40
  expect_within 8 "a ring within a tick of the jump over the alarm minute" ringing
  sleep 0.5
  import -window "$(rig_window 'Dawnquill - Wake up!')" "$shots/windows-wake-up-window.png"
  player_told "40045 0 " || fail "expected: the player told to play, not $(cat "$log")"
  kill "$player_pid"
  expect_within 8 "the room to hear the program's tone a tick after the player quit" rig_room_hears
  expect "no prompt while it rings" gone 'Winamp not running'
  start_player
  expect_within 8 "the room silent within a tick of the player's return" rig_room_silent
  player_told "40045 0 40045 0 " || fail "expected: the player back told to play, not $(cat "$log")"
  snooze_by_key
  player_told "40045 0 40045 0 40047 0 " || fail "expected: the snooze to stop, not $(cat "$log")"
  expect "the program running before Exit" kill -0 "$rig_app_pid"
  rig_click "$main" "$at_exit"
  expect_within 5 "Exit to end the program" program_ended "$rig_app_pid"
  expect_within 3 "the settings in the registry" stored 'SnoozeDelay    REG_SZ    12'
  expect "the ring in the log" grep -qE '^[0-9-]+ [0-9:]+ Ringing for 7:00' \
    "$(wine_folder LOCALAPPDATA)/DawnQuill/DawnQuill.log"
}

# The prompt for a player that quit gives way to the alarm minute: the wake-up window opens with
# the prompt taken away unanswered, modal as ever, and the room hears the program's own tone.
# Snoozed while no player runs, it asks for one again.
case_the_ring_takes_the_prompt_away() {
  expect "a sound server" rig_start_sound
  start_player
  rig_set_clock 06:59:30
  start_program
  rig_arm 7 0 9
  kill "$player_pid"
  expect_within 8 "the prompt for the player that quit" rig_window_shown 'Winamp not running'
  expect_within 35 "a ring at 7:00" ringing
  expect "the prompt gone with the ring" gone 'Winamp not running'
  expect "the main window to take no input while it rings" main_takes_input 0
  expect_within 8 "the room to hear the program's tone" rig_room_hears
  snooze_by_key
  expect_within 8 "the prompt back after the snooze" rig_window_shown 'Winamp not running'
  expect "the room silent" rig_room_silent
}

# While "Error" is up, the main window takes no input: a click on Exit does nothing. The wake-up
# window belongs to the main window: no task-bar button of its own, yet a caption with the icon
# and a place in Alt+Tab; it stays above other programs' windows. The main window, brought back
# from the tray while it rings, takes no input.
case_boxes_and_the_wake_up_window_are_modal() {
  start_player
  rig_set_clock 06:59:45
  start_program
  rig_arm 24 0 9  # there is no hour 24
  expect_within 5 "the Error box" rig_window_shown Error
  expect "the main window to take no input under the box" main_takes_input 0
  rig_click "$(rig_window DawnQuill)" "$at_exit"
  sleep 0.5
  expect "Exit under the box to do nothing" rig_window_shown DawnQuill
  xdotool windowfocus --sync "$(rig_window Error)" key Return
  expect_within 3 "the main window to take input once the box is gone" main_takes_input 1
  rig_arm 7 0 9
  rig_click "$(rig_window DawnQuill)" "$at_to_tray"
  expect_within 20 "a ring at 7:00" ringing
  expect "an owned window above others, not a tool window" test "$(probe wake-up)" = "owned topmost"
  expect "the clock's digits a fifth of the window high" clock_fills_a_fifth
  expect_within 5 "the icon docked" docked
  expect_within 15 "a double click on the icon to bring the main window back" \
    icon_double_click_shows_main
  expect "the main window to take no input while it rings" main_takes_input 0
}

# Under a German display language the main window speaks German, from the catalogue inside the
# program. When the shell starts again with an empty notification area, the icon comes back, and
# its menu works. A second start in the tray while the first sits there ends without a word; a
# second start brings the first's window back and ends: one program, its window shown.
case_the_icon_comes_back_with_the_shell_and_one_program_runs() {
  local second
  start_player
  LC_ALL=de_DE.UTF-8 start_program
  expect_within 5 "the toggle in German" shows_text "Wecker einschalten"
  import -window "$(rig_window DawnQuill)" "$shots/windows-main-window-de.png"
  expect_within 5 "the icon docked" docked
  expect "the icon taken out of the notification area" probe drop-icon
  expect_within 5 "the icon gone" undocked
  expect "the shell's word that it started again" probe shell-started
  expect_within 5 "the icon docked again" docked
  xdotool mousemove --window "$(icon_window)" 11 11 click 3
  sleep 0.5
  xdotool key Down Return  # Show/Hide
  expect_within 3 "the icon's menu to hide the shown window" gone DawnQuill
  for option in --tray ""; do
    wine "$build/DawnQuill.exe" $option >/dev/null 2>&1 &
    second=$!
    rig_pids+=($second)
    expect_within 10 "a second start ${option:+in the tray }to end" program_ended "$second"
    if [ -n "$option" ]; then expect "the window still hidden" gone DawnQuill; fi
  done
  expect_within 3 "the first program's window shown" rig_window_shown DawnQuill
  expect "one program" test "$(probe count)" = 1
}

# On a screen of 144 dpi, in a High Contrast scheme of white on black, the windows are laid out
# half as large again, sharp rather than stretched: the wake-up window's big clock, and the
# window's icons, each loaded at its own size from the six the program holds. Labels read in the
# scheme's colours. A player that takes five seconds over a command holds the ring for the bound
# of one second at most: the wake-up window opens, and its clock runs.
case_laid_out_at_144_dpi_with_a_hung_player() {
  local wake before
  screen_look 144 '0 0 0' '255 255 255'
  start_player hung
  rig_set_clock 06:59:55
  start_program
  expect "433 x 277 at 144 dpi" test "$(probe client)" = "433 277"
  import -window "$(rig_window DawnQuill)" "$shots/windows-main-window-144dpi.png"
  expect "six icon sizes in the program" \
    test "$(probe icon-sizes "$(winepath -w "$build/DawnQuill.exe")")" = "16 20 24 32 48 256"
  expect "the big and the small icon at their sizes for 144 dpi" \
    test "$(window_icons "$(rig_window DawnQuill)")" = "48x48 24x24"
  expect "the status line white on black" status_light_on_dark
  rig_arm 7 0 9
  expect_within 12 "the player told to play" player_told "40045 0 "
  expect_within 3 "the wake-up window while the player hangs" ringing
  expect "the clock's digits a fifth of the window high, not a seventh" clock_fills_a_fifth
  wake=$(rig_window 'Dawnquill - Wake up!')
  before=$(import -window "$wake" png:- | md5sum)
  sleep 1.2
  [ "$(import -window "$wake" png:- | md5sum)" != "$before" ] ||
    fail "expected: the wake-up window's clock to run while the player hangs"
}

# The installer stops before it touches a file while a copy runs on that will not end. Run
# silently, it puts the program, its Start-menu shortcut, its entry among the installed apps and
# its start at sign-in in place, for this user alone; the program starts from the shortcut. Run
# again over the armed program, it ends it for the update and starts the new one, still armed.
# The silent uninstall ends the running program and takes all of that away, with the kept alarm,
# and leaves the user's settings. Started in a German locale, it speaks German.
case_the_installer_installs_and_uninstalls() {
  local programs shortcut installed
  programs=$(wine_folder LOCALAPPDATA)/Programs
  shortcut="$(wine_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/DawnQuill.lnk"
  installed='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\DawnQuill'
  wine reg add "$settings_key" /v Hour /d 7 /f >/dev/null 2>&1
  wine "$build/tests/stub_player.exe" "$(winepath -w "$log")" stuck >/dev/null 2>&1 &
  rig_pids+=($!)
  expect_within 10 "a copy that will not end" bash -c "xdotool search --name '^DawnQuill$'"
  wine "$build"/DawnQuill-*-setup.exe /S && fail "expected: the install to stop for that copy"
  expect "no file touched" test ! -e "$programs/DawnQuill"
  kill "${rig_pids[-1]}"
  expect_within 5 "that copy gone" program_ended "${rig_pids[-1]}"
  wine "$build"/DawnQuill-*-setup.exe /S
  expect "the program installed" test -f "$programs/DawnQuill/DawnQuill.exe"
  expect "the Start-menu shortcut" test -f "$shortcut"
  for value in 'DisplayName    REG_SZ    DawnQuill' 'DisplayVersion    REG_SZ    1.0.1' \
    'Publisher' 'DisplayIcon' 'EstimatedSize' 'UninstallString'; do
    expect "$value among the installed apps" in_registry "$installed" "$value"
  done
  expect "the start at sign-in, in the tray" in_registry "$run_key" \
    'DawnQuill    REG_SZ    ".*DawnQuill.exe" --tray'
  start_player
  wine start /unix "$shortcut" >/dev/null 2>&1
  expect_within 20 "the installed program started from its shortcut" rig_window_shown DawnQuill
  rig_arm "$far_hour" 0 9
  expect_within 3 "the installed program armed" shows_text "Alarm is on - Time: $far_hour:00"
  wine "$build"/DawnQuill-*-setup.exe /S
  expect_within 20 "the updated program running again, still armed" \
    shows_text "Alarm is on - Time: $far_hour:00"
  expect "one program after the update" test "$(probe count)" = 1
  wine "$programs/DawnQuill/Uninstall.exe" /S
  expect_within 20 "the program removed" test ! -e "$programs/DawnQuill"
  expect "the running program ended" test "$(probe count)" = 0
  expect "the shortcut removed" test ! -e "$shortcut"
  expect "the entry among the installed apps removed" not_in_registry "$installed" DawnQuill
  expect "the starts at sign-in removed" not_in_registry "$run_key" DawnQuill
  expect "the kept alarm removed" not_in_registry "$settings_key" Alarm
  expect "the user's settings kept" stored "Hour    REG_SZ    $far_hour"
  LC_ALL=de_DE.UTF-8 wine "$build"/DawnQuill-*-setup.exe >/dev/null 2>&1 &
  rig_pids+=($!)
  expect_within 20 "the installer in German" rig_window_shown 'Installation von DawnQuill'
}

# Asked before a log-off while armed, the program refuses, so that Windows asks the user, hides
# its window and runs on; a session that ends anyway ends it with nothing saved, and the next
# start is armed again, as after a kill. The sign-in value, which starts the program in the tray,
# is there exactly while the alarm is on. With the alarm off the program lets the session end,
# and the end of the session saves the settings.
case_log_off_asks_first() {
  wine reg delete "$settings_key" /f >/dev/null 2>&1
  start_player
  start_program
  expect "no sign-in value while the alarm is off" not_in_registry "$run_key" 'DawnQuill alarm'
  rig_arm "$far_hour" 0 9
  expect_within 3 "the sign-in value once armed" in_registry "$run_key" \
    'DawnQuill alarm    REG_SZ    ".*DawnQuill.exe" --tray'
  expect "an armed alarm to refuse the session's end" test "$(probe ask)" = 0
  expect_within 2 "the refusal to hide the window" gone DawnQuill
  kill -0 "$rig_app_pid" || fail "expected: the program to run on after refusing"
  probe force >/dev/null
  expect_within 5 "a session ended anyway to end the program" program_ended "$rig_app_pid"
  expect "nothing saved when an armed program's session ends" not_in_registry "$settings_key" Hour
  for end in "the end of the session" "a kill"; do
    expect "the sign-in value kept after $end" in_registry "$run_key" 'DawnQuill alarm'
    start_program
    expect_within 3 "the start after $end armed again" shows_text "Alarm is on - Time: $far_hour:00"
    [ "$end" = "a kill" ] && break
    kill -KILL "$rig_app_pid"
    expect_within 5 "the program killed" program_ended "$rig_app_pid"
  done
  rig_click "$(rig_window DawnQuill)" "$at_toggle"
  expect_within 3 "the alarm off" shows_text "Alarm is off"
  expect "the sign-in value gone with the alarm off" not_in_registry "$run_key" 'DawnQuill alarm'
  expect "an alarm that is off to let the session end" test "$(probe end)" = 1
  expect_within 5 "the end of the session to end the program" program_ended "$rig_app_pid"
  expect_within 3 "the end of the session to save" stored 'SnoozeDelay    REG_SZ    9'
}

# The options open from the main window's system menu and from Ctrl+,, modal to the program;
# Escape leaves them, and OK writes them to the registry.
case_the_options_from_the_system_menu_and_the_shortcut() {
  local options='DawnQuill - Options'
  start_player
  start_program
  probe system-menu 0x10
  expect_within 5 "the system menu's item to open the options" rig_window_shown "$options"
  xdotool windowfocus --sync "$(rig_window "$options")" key Escape
  expect_within 5 "Escape to leave them" gone "$options"
  rig_click "$(rig_window DawnQuill)" "$at_hour_box"  # Wine gives the keys to a clicked window
  xdotool key ctrl+comma
  expect_within 5 "Ctrl+, to open them" rig_window_shown "$options"
  xdotool windowfocus --sync "$(rig_window "$options")" key space Return
  expect_within 5 "OK to close them" gone "$options"
  expect_within 3 "Monday in the registry" stored 'Repeat    REG_SZ    Mon'
}

# The wake timer and the tick timer each run a tick the moment the alarm's minute comes. On the
# real clock, since Wine's timers follow real time. The five-second ticks run from the start,
# whose prompt for the missing player comes just after the first: a start whose ticks would come
# less than two seconds after a minute is made again, so that a ring from the ticks alone comes
# late by that, and one at the minute within half a second, the window's polling included. Once
# the player runs, the next tick takes the prompt away.
case_the_wake_timer_rings_on_the_minute() {
  local lead now boundary late
  for _ in 1 2 3 4 5 6; do
    rig_start_on_clock wine "$build/DawnQuill.exe" >/dev/null 2>&1
    expect_within 20 "the prompt for the missing player" rig_window_shown 'Winamp not running'
    lead=$(awk -v t="$(date +%s.%N)" 'BEGIN { printf "%.2f", (60 - t % 60) % 5 }')
    awk -v l="$lead" 'BEGIN { exit !(l <= 3) }' && break
    kill "$rig_app_pid"
    expect_within 5 "a start with ticks at the wrong time to end" program_ended "$rig_app_pid"
  done
  start_player
  expect_within 10 "the tick that finds the player to end the prompt" gone 'Winamp not running'
  now=$(date +%s)
  boundary=$(((now / 60 + 1) * 60))
  [ $((boundary - now)) -lt 10 ] && boundary=$((boundary + 60))
  rig_arm "$(date -d "@$boundary" +%-H)" "$(date -d "@$boundary" +%-M)" 9
  expect_within $((boundary - now + 5)) "a ring at the minute" ringing
  late=$(awk -v t="$(date +%s.%N)" -v b="$boundary" 'BEGIN { print t - b }')
  awk -v l="$late" 'BEGIN { exit !(l < 0.5) }' ||
    fail "expected: a ring within 0.5 s of the minute, not $late s after (ticks $lead s before)"
}

# A gentle start of 20 seconds: the player, at 200 of 255, is set to a third before it is told to
# play, and raised a step a second; Off stops it, then sets its level back.
case_a_gentle_start_turns_the_player_down_and_back() {
  local steps='volume 67 40045 0 volume 73 '
  wine reg add "$settings_key" /v GentleStartSeconds /d 20 /f >/dev/null 2>&1
  start_player
  rig_set_clock 06:59:52
  start_program
  rig_arm 7 0 9
  expect_within 20 "a ring at 7:00" ringing
  expect_within 5 "a third, play, then the first step" player_log_matches "^$steps"
  rig_click "$(rig_window 'Dawnquill - Wake up!')" "$at_turn_off"
  expect_within 5 "Off to end the ring" gone 'Dawnquill - Wake up!'
  expect_within 3 "the player stopped, then set back to 200" \
    player_log_matches "^$steps.*40047 0 volume 200 \$"
}

# A file chosen to wake with: at the ring the player is handed its wide path, and the entry it
# appended is selected and played once its place is seen; the snooze's ring selects the same
# entry again rather than handing the file over twice.
case_the_player_plays_the_file_chosen_to_wake_with() {
  local path
  : >"$dir/chosen wake.wav"
  path=$(winepath -w "$dir/chosen wake.wav")
  wine reg add "$settings_key" /v WakeWith /d "$path" /f >/dev/null 2>&1
  start_player
  rig_set_clock 06:59:50
  start_program
  rig_arm 7 0 1
  expect_within 20 "the ring" ringing
  expect_within 5 "the file handed over, selected and played" \
    player_told "play $path select 0 40045 0 "
  snooze_by_key
  rig_set_clock 07:01:40
  expect_within 8 "the snooze's ring" ringing
  expect_within 5 "the same entry selected again and played" \
    player_told "play $path select 0 40045 0 40047 0 select 0 40045 0 "
}

declare -F "case_$name" >/dev/null || { echo "no such case: $name" >&2; exit 2; }
# The cases share the prefix: each starts with no alarm kept, the options at their defaults and
# no start at sign-in.
for value in Alarm Repeat GentleStartSeconds WakeWith; do
  wine reg delete "$settings_key" /v "$value" /f >/dev/null 2>&1
done
wine reg delete "$run_key" /v 'DawnQuill alarm' /f >/dev/null 2>&1
rig_load_points wine "$build/layout_points.exe"
"case_$name"
