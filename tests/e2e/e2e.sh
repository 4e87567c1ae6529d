#!/usr/bin/env bash
# DawnQuill end to end on real parts: Xvfb, a tray host (trayer, or gtk-sni-tray's bar for
# StatusNotifierItems), a private session bus, mpv, the real executable with a settings folder of its own,
# xdotool for the person, and libfaketime to move the program's wall clock.
#   e2e.sh CASE DAWNQUILL LAYOUT_POINTS SHOTS_DIR
# Each case has a rig of its own that ends every process it started; a rig that cannot start
# fails the case (expect.sh's unavailable).
set -uo pipefail
name=$1 app=$2 points=$3 shots=$4
mkdir -p "$shots"
source "$(dirname "$0")/../../tools/desktop-rig.sh"
trap rig_cleanup EXIT

source "$(dirname "$0")/expect.sh"

# ---------------------------------------------------------------------------------- helpers
app_ended() { ! kill -0 "$rig_app_pid" 2>/dev/null; }
app_runs() { kill -0 "$rig_app_pid" 2>/dev/null; }
main_window() { rig_window DawnQuill; }
wake_window() { rig_window 'Dawnquill - Wake up!'; }
main_shown() { rig_window_shown DawnQuill; }
windows_called() { [ "$(xdotool search --all --onlyvisible --name "^$1$" | wc -l)" = "$2" ]; }
# The running program's main window exists, unmapped.
main_hidden() {
  app_runs && xdotool search --all --name '^DawnQuill$' >/dev/null 2>&1 && rig_window_absent DawnQuill
}
ringing() { rig_window_shown 'Dawnquill - Wake up!'; }
not_ringing() { app_runs && rig_window_absent 'Dawnquill - Wake up!'; }
prompt_shown() { rig_window_shown 'No media player running'; }
# Asks a window to close as a person does through its frame: the WM_DELETE_WINDOW message that a
# window manager sends for the close button or Alt+F4.
close_window() {
  /usr/bin/python3 -c 'import sys; from Xlib import X, display, protocol
d = display.Display(); atom = d.intern_atom
w = d.create_resource_object("window", int(sys.argv[1]))
w.send_event(protocol.event.ClientMessage(window=w, client_type=atom("WM_PROTOCOLS"),
             data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
d.flush()' "$1" || fail "could not ask window $1 to close"
}
# Starts mpv unless it runs, then DawnQuill with its wall clock at CLOCK, when given, and waits for
# its main window.
start_dawnquill() {
  [ -n "${rig_mpv_pid:-}" ] || expect "mpv to start" rig_start_mpv
  [ -n "${1:-}" ] && rig_set_clock "$1"
  rig_start_on_clock "$app"
  expect_within 10 "the main window" main_shown
}
# Arms 7:00 at 6:59:50 and waits for the ring; the program's log goes to $rig_dir/log.
ring_at_seven() {
  start_dawnquill 06:59:50 2>"$rig_dir/log"
  rig_arm 7 0 1
  expect_within 20 "the ring" ringing
}
turn_off() { rig_click "$(wake_window)" "$at_turn_off"; }
toggle() { rig_click "$(main_window)" "$at_toggle"; }
# Kills the program as a crash or a power cut would, and waits until it has gone.
kill_app() {
  kill -KILL "$rig_app_pid"
  wait "$rig_app_pid" 2>/dev/null
  expect_within 5 "the program killed" app_ended
}

icon_window() { rig_docked_icon DawnQuill; }
# Which picture the docked icon shows: off has the red stroke, and ringing its marks either side
# of the bell, which make it more than 0.7 of the icon wide; armed is neither.
icon_is() {
  local window shot=$rig_dir/icon.png colours wide picture=armed
  window=$(icon_window) && import -window "$window" "$shot" || return 1  # without a window,
  colours=$(convert "$shot" -format %c histogram:info:-) || return 1   # import waits for a click
  wide=$(convert "$shot" -trim -format '%[fx:w / page.width > 0.7]' info:) || return 1
  if grep -qi '#FF0000' <<<"$colours"; then picture=off; elif [ "$wide" = 1 ]; then picture=ringing; fi
  [ "$picture" = "$1" ]
}

# The player sounds when its Position advances, and is silent when it stands; a position that
# cannot be read is neither.
position_moves() {  # position_moves yes|no
  local before after
  before=$(rig_position) && [ -n "$before" ] || return 1
  sleep 0.4
  after=$(rig_position) && [ -n "$after" ] || return 1
  if [ "$1" = yes ]; then [ "$after" -gt "$before" ]; else [ "$after" -eq "$before" ]; fi
}
sounding() { position_moves yes; }
silent() { position_moves no; }

# Clicks the bell with xdotool's click arguments: docked in trayer, or last in the
# StatusNotifierItem bar along the screen's top.
click_bell() {
  if [ -n "${sni_bar:-}" ]; then xdotool mousemove 788 12 click "$@"
  else xdotool mousemove --window "$(icon_window)" 11 11 click "$@"; fi
}
# The sizes of the pictures that the StatusNotifierItem, the rig's only one, offers its host:
# "16x16 24x24".
sni_icon_sizes() {
  local item
  item=$(rig_bus_property org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems | awk -F '"' '/string/ { print $2 }')
  [ -n "$item" ] || return 1
  rig_bus_property "${item%%/*}" /StatusNotifierItem org.kde.StatusNotifierItem IconPixmap |
    awk '/int32/ { if (w == "") w = $2; else { printf "%s%sx%s", s, w, $2; s = " "; w = "" } }'
}
# A double click in the XEmbed tray, a click on a StatusNotifierItem host.
bell_brings_back() {
  if [ -n "${sni_bar:-}" ]; then click_bell 1; else click_bell --repeat 2 --delay 120 1; fi
  sleep 0.3
  main_shown
}
tray_menu() {  # tray_menu show-hide|options|exit [SHOT]: opens the icon's menu, chooses an item
  local -A downs=([show-hide]=1 [options]=2 [exit]=3)
  click_bell 3
  sleep 0.4
  [ -n "${2:-}" ] && import -window root -crop 260x110+540+0 "$2"
  xdotool key --repeat "${downs[$1]}" Down key Return
}

settings_hold() {  # settings_hold LINE: the settings file holds that line alone, before a start
  mkdir -p "$XDG_CONFIG_HOME" && printf '[Settings]\n%s\n' "$1" >"$XDG_CONFIG_HOME/DawnQuill.conf"
}
settings_are() {  # settings_are HOUR MINUTE DELAY: and nothing else, the options aside
  [ "$(grep -vE '^(Repeat|GentleStartSeconds|WakeWith)=' "$XDG_CONFIG_HOME/DawnQuill.conf" |
    tr '\n' ' ')" = "[Settings] Hour=$1 Minute=$2 SnoozeDelay=$3 " ]
}
options_are() {  # options_are REPEAT GENTLE WAKE_WITH: as the settings file holds them
  [ "$(grep -E '^(Repeat|GentleStartSeconds|WakeWith)=' "$XDG_CONFIG_HOME/DawnQuill.conf" |
    tr -d '"' | tr '\n' '|')" = "GentleStartSeconds=$2|Repeat=$1|WakeWith=$3|" ]
}

on_bus() { rig_bus_names | grep -qE "$1"; }  # on_bus PATTERN: a name on the session bus matches
# Starts a stand-in for a desktop service (stand_in.py), and waits until it serves on the session
# bus, which is when it makes its LOG.
start_stand_in() {  # start_stand_in KIND LOG
  "$(dirname "$0")/stand_in.py" "$1" "$2" &
  rig_pids+=($!)
  expect_within 5 "the stand-in $1 on its bus" test -e "$2"
}
# What holds the session awake: the desktop portal, or logind, whose system bus is here the
# session bus.
start_inhibitor() {  # start_inhibitor portal|logind
  [ "$1" = logind ] && export DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS
  start_stand_in "$1" "$rig_dir/holds"
}
# Every hold the portal was asked for carried these flags.
portal_flags_are() { [ "$(grep '^flags ' "$rig_dir/holds" | sort -u)" = "flags $1" ]; }
# What is held now is exactly the reason given, or nothing without one.
holding() {
  local active
  [ -r "$rig_dir/holds" ] || return 1
  active=$(awk '{ r = $0; sub(/^[a-z]+ /, "", r) } /^held / { n[r]++ } /^released / { n[r]-- }
    END { for (r in n) if (n[r] > 0) print r }' "$rig_dir/holds" 2>/dev/null)
  [ "$active" = "${1:-}" ]
}

# ------------------------------------------------------------------------------------ cases
# The program stopped (as a suspended machine is) from before the alarm minute until after it:
# resumed, it rings at once for the minute it slept through, with its pictures, the player
# sounding, and a critical desktop notification with the alarm's time and the ring's two actions.
# The frame's close is refused; the notification's Snooze, two minutes into the ring with a delay
# of one minute, counts from the last tick before it and so rings again a minute later; the
# notification is closed with each ring; "Turn alarm off". The desktop portal holds the session
# awake and log-out asked while the alarm is pending, with the tip's text, and lets go when it is
# off.
case_stopped_over_the_alarm_then_snooze_and_off() {
  local notices=$rig_dir/notifications
  notified() { grep -qxF "$1" "$notices"; }
  start_inhibitor portal
  start_stand_in notifications "$notices"
  rig_start_tray
  start_dawnquill 06:59:00
  expect_within 5 "the off picture docked" icon_is off
  import -window "$(main_window)" "$shots/main-window.png"
  rig_arm 7 0 1
  expect_within 2 "the armed picture" icon_is armed
  expect_within 2 "a hold with the tip's text" holding "Alarm is on - Time: 7:00"
  expect "the portal asked to hold log-out and suspend" portal_flags_are 5
  sleep 6  # an armed tick before the alarm minute
  kill -STOP "$rig_app_pid"
  rig_set_clock 07:01:40
  sleep 2
  kill -CONT "$rig_app_pid"
  expect_within 6 "a ring within a tick of the resume" ringing
  expect_within 3 "the player sounds" sounding
  expect_within 3 "the ringing picture" icon_is ringing
  expect "the notification" notified \
    "notify 1 DawnQuill Alarm!|7:00|snooze,Snooze,turn-off,Turn alarm off|urgency=2"
  import -window "$(wake_window)" "$shots/wake-up-window.png"
  close_window "$(wake_window)"
  rig_set_clock 07:02:10
  sleep 6  # a tick passes while the wake-up window is open
  expect "the wake-up window to refuse its close button" ringing
  dbus-send --session --type=signal /org/freedesktop/Notifications \
    org.freedesktop.Notifications.ActionInvoked uint32:1 string:snooze
  sleep 1
  expect "a Snooze said by another than the server to change nothing" ringing
  dbus-send --session --dest=org.freedesktop.Notifications --type=method_call --print-reply \
    /org/freedesktop/Notifications stand.in.Click uint32:1 string:snooze >/dev/null
  expect_within 3 "the notification's Snooze to end the ring" not_ringing
  expect_within 2 "the player silent after the snooze" silent
  expect "the notification closed with the ring" notified "closed 1"
  expect "the armed picture while snoozing" icon_is armed
  expect_within 2 "a hold with the snooze's text" holding "Snooze is on - Time: 7:03"
  rig_set_clock 07:02:58
  expect_within 15 "the late snooze to ring again" ringing
  expect_within 3 "the player sounds at the second ring" sounding
  turn_off
  expect_within 3 "Turn alarm off to stop the player" silent
  expect_within 2 "the off picture" icon_is off
  expect_within 2 "nothing held once off" holding
}

# The close button hides an armed window; the bell brings it back, where the XEmbed tray takes a
# double click and shows nothing for a single click or the pointer over it, and the menu hides
# it; the hidden program still rings; the menu's Exit ends the program with the settings saved,
# on a StatusNotifierItem host also while the prompt for a player that quit waits. In trayer,
# unless a case has started the StatusNotifierItem host.
case_tray_hides_and_brings_back() {
  [ -n "${sni_bar:-}" ] || rig_start_tray
  start_dawnquill 12:00:00
  rig_arm 12 30 912  # the delay box keeps two typed characters
  if [ -n "${sni_bar:-}" ]; then
    expect_within 3 "the bell offered at 16, 24 and 32 pixels, each drawn" \
      test "$(sni_icon_sizes)" = "16x16 24x24 32x32"
  fi
  close_window "$(main_window)"
  expect_within 2 "the close button to hide the armed window" main_hidden
  if [ -z "${sni_bar:-}" ]; then
    xdotool mousemove --window "$(icon_window)" 5 5 mousemove --window "$(icon_window)" 11 11 \
      click 1
    sleep 0.6
    expect "a single click and the pointer over the icon to show nothing" main_hidden
  fi
  expect_within 5 "the bell to bring the window back" bell_brings_back
  tray_menu show-hide "$shots/tray-menu${sni_bar:+-status-notifier}.png"
  expect_within 2 "Show/Hide on a shown window to hide it" main_hidden
  rig_set_clock 12:29:58
  expect_within 12 "the hidden program to ring" ringing
  turn_off
  if [ -n "${sni_bar:-}" ]; then  # the host draws the menu, so it opens over the modal prompt
    kill "$rig_mpv_pid"
    expect_within 8 "the prompt within a tick" prompt_shown
  fi
  tray_menu exit
  expect_within 5 "the menu's Exit to end the program" app_ended
  expect "12, 30 and 91 saved" settings_are 12 30 91
}
# The icon's menu opens the options over the main window, modal; OK writes them at once, and
# Ctrl+, opens them again as they were saved; Cancel leaves them.
case_the_options_from_the_menu_and_the_shortcut() {
  local options='DawnQuill - Options' music=$rig_dir/Música
  rig_start_tray
  start_dawnquill 12:00:00 2>"$rig_dir/log"
  tray_menu options
  expect_within 3 "Options… to open the options" rig_window_shown "$options"
  import -window "$(rig_window "$options")" "$shots/options-window.png"
  # Monday and Friday; 20 seconds; a folder not there yet. Enter in a box presses OK.
  xdotool windowfocus --sync "$(rig_window "$options")" key space Tab Tab Tab Tab space \
    Tab Tab Tab ctrl+a type 20
  LC_ALL=C.UTF-8 xdotool key Tab type "$music"  # a name beyond ASCII, whatever the locale
  xdotool key Return
  expect_within 3 "OK to close the options" rig_window_absent "$options"
  expect_within 2 "the options written at once" options_are Mon,Fri 20 "$music"
  expect_within 3 "a box over the main window to tell of the folder" windows_called DawnQuill 2
  grep -q "warning: Nothing is at $music to wake with" "$rig_dir/log" || fail "expected: it logged"
  xdotool key Return
  expect_within 3 "Return to close the box" windows_called DawnQuill 1
  xdotool windowfocus --sync "$(main_window)" key ctrl+comma
  expect_within 3 "Ctrl+, to open them again" rig_window_shown "$options"
  xdotool windowfocus --sync "$(rig_window "$options")" key space Escape
  expect_within 3 "Escape to close them" rig_window_absent "$options"
  expect "Cancel to leave them" options_are Mon,Fri 20 "$music"
}

# gtk-sni-tray's bar, with a watcher of its own.
case_status_notifier_host() {
  sni_bar=1
  rig_start_sni_host || unavailable "gtk-sni-tray's bar"
  case_tray_hides_and_brings_back
}

# In the language of the user's locale, from the catalogues: no player, and the prompt comes
# before any window, with Qt's own buttons; Retry with the player started shows the window. The
# icon's menu, the options and the wake-up window speak it too, each read as a screen reader or
# the tray host reads it. The player quitting while the alarm rings brings no prompt while it
# rings, but after the snooze within a tick, and Cancel ends the program with the settings saved.
# Without the portal, logind holds the session awake for the armed alarm, until the program
# ends. Under C it speaks English, and each box has a name of its own.
case_player_missing_in_the_users_language() {
  local prompt='Kein Medienplayer aktiv' wake='Dawnquill - Aufwachen!'
  locale -a | grep -qx de_DE.utf8 || localedef -i de_DE -f UTF-8 de_DE.UTF-8 ||
    unavailable "a German locale"
  start_inhibitor logind
  start_accessibility_bus
  rig_start_sni_host || unavailable "gtk-sni-tray's bar"
  LC_ALL='' LC_MESSAGES='' LANG=de_DE.UTF-8 rig_start_on_clock "$app"
  expect_within 10 "the prompt for the missing player in German" rig_window_shown "$prompt"
  expect "no main window before the prompt" rig_window_absent DawnQuill
  expect_within 5 "Qt's own Retry in German" hears 'push button|Wiederholen'
  expect "mpv to start" rig_start_mpv
  xdotool windowfocus --sync "$(rig_window "$prompt")" key Return  # Retry
  expect_within 5 "Retry with the player running to show the window" main_shown
  expect_within 5 "the toggle in German" hears 'push button|Wecker einschalten'
  expect_within 5 "the icon's menu in German" menu_offers 'Optionen…'
  xdotool windowfocus --sync "$(main_window)" key ctrl+comma
  expect_within 5 "the options in German" rig_window_shown 'DawnQuill - Optionen'
  expect_within 5 "Monday by its German name" hears 'check box|Montag'
  import -window "$(rig_window 'DawnQuill - Optionen')" "$shots/options-window-de.png"
  xdotool key Escape
  import -window "$(main_window)" "$shots/main-window-de.png"
  rig_set_clock 06:59:57
  rig_arm 7 0 9
  expect_within 2 "a hold with the tip's text" holding "Wecker gestellt auf 7:00"
  expect_within 12 "the wake-up window in German" rig_window_shown "$wake"
  expect_within 5 "its Snooze in German" hears 'push button|Schlummern'
  import -window "$(rig_window "$wake")" "$shots/wake-up-window-de.png"
  kill "$rig_mpv_pid"
  sleep 6  # a tick while it rings
  expect "no prompt while it rings" rig_window_absent "$prompt"
  xdotool windowfocus --sync "$(rig_window "$wake")" key x  # Snooze
  expect_within 8 "the prompt within a tick of the snooze" rig_window_shown "$prompt"
  xdotool windowfocus --sync "$(rig_window "$prompt")" key Escape  # Cancel
  expect_within 5 "Cancel to end the program" app_ended
  expect "7, 0 and 9 saved" settings_are 7 0 9
  expect_within 2 "the hold to end with the program" holding
  expect "mpv to start again" rig_start_mpv
  LC_ALL='' LC_MESSAGES='' LANG=C start_dawnquill
  expect_within 5 "the main window in English under C" hears 'label|Alarm time:'
  for name in "Alarm hour" "Alarm minute" "Snooze delay in minutes"; do
    expect "a box called $name" grep -qxF "text|$name" "$rig_dir/heard"
  done
}

# The ring comes whatever is asked: at the alarm minute with the prompt for a player open, the
# wake-up window opens with the prompt gone, and the room hears the program's own sound; after
# the snooze the prompt is back.
case_the_alarm_rings_while_the_prompt_for_a_player_is_open() {
  start_room
  expect "mpv to start" rig_start_mpv
  start_dawnquill 06:59:45 2>"$rig_dir/log"
  rig_arm 7 0 1
  kill "$rig_mpv_pid"
  expect_within 8 "the prompt within a tick" prompt_shown
  expect_within 25 "the ring with the prompt open" ringing
  expect "the prompt gone for the ring" rig_window_absent 'No media player running'
  expect_within 8 "the room to hear the program" program_sounds
  snooze
  expect_within 8 "the prompt back after the ring" prompt_shown
}

# A phone's player, bridged by GSConnect, sorts before mpv and offers a track: mpv plays, and the
# phone is told nothing.
case_a_phones_player_never_takes_the_ring() {
  start_stand_in phone "$rig_dir/phone"
  ring_at_seven
  expect_within 3 "mpv to play" sounding
  turn_off
  expect_within 3 "mpv silent once off" silent
  expect "the phone told nothing" test ! -s "$rig_dir/phone"
}

# Killed with SIGKILL while armed, as by a crash or a power cut: the entry that starts it at
# sign-in stays, and its start, in the tray with no window, finds the alarm on for the same time
# without a question, with the session held awake for it again. That start comes before any tray
# host, as early in a sign-in: no window meanwhile, and the armed bell docks when the host comes,
# and brings the window. Killed again before the alarm minute and started three minutes after it,
# it rings at once.
case_killed_while_armed_comes_back_armed() {
  start_inhibitor portal
  rig_start_tray
  start_dawnquill 06:59:00
  rig_arm 7 0 9
  expect_within 2 "a hold with the tip's text" holding "Alarm is on - Time: 7:00"
  kill_app
  kill "$rig_tray_pid"
  expect "the sign-in entry kept by a program that was killed" test -f "$sign_in_entry"
  : >"$rig_dir/holds"
  rig_start_on_clock "$app" --tray
  expect_within 3 "a hold for the same time" holding "Alarm is on - Time: 7:00"
  sleep 3
  expect "no window while there is no tray" rig_window_absent DawnQuill
  rig_start_tray
  expect_within 5 "the icon docked, armed, once the host came" icon_is armed
  expect "no window at a start in the tray" rig_window_absent DawnQuill
  expect_within 5 "the bell to bring the window" bell_brings_back
  kill_app
  rig_set_clock 07:03:00
  rig_start_on_clock "$app"
  expect_within 10 "a ring at start-up for the minute it missed" ringing
  expect_within 3 "the player sounds" sounding
}

# A weekday alarm rings on a Friday; Off in the ring's window leaves it on, its days in the tip and
# in the kept record, and a program killed over the weekend rings again on Monday.
case_a_weekday_alarm_stays_on_from_friday_to_monday() {
  local weekdays="Mon,Tue,Wed,Thu,Fri"
  start_inhibitor portal
  rig_start_tray
  settings_hold "Repeat=$weekdays"
  start_dawnquill "2027-03-05 06:59:45"
  rig_arm 7 0 9
  expect_within 2 "a hold with the days in the tip" holding "Alarm is on - Time: 7:00, Mon-Fri"
  expect_within 25 "a ring on Friday at 7:00" ringing
  turn_off
  expect_within 3 "the ring's end" not_ringing
  expect "the alarm on after Off" holding "Alarm is on - Time: 7:00, Mon-Fri"
  expect "the days kept" grep -q "^Alarm=\"7:00 delay 9 days $weekdays " \
    "$XDG_CONFIG_HOME/DawnQuill.conf"
  kill_app
  : >"$rig_dir/holds"
  rig_set_clock "2027-03-08 06:59:50"
  rig_start_on_clock "$app" --tray
  expect_within 5 "the alarm carried on" holding "Alarm is on - Time: 7:00, Mon-Fri"
  expect_within 25 "a ring on Monday at 7:00" ringing
}

# mpv's MPRIS volume, as a number: "0.9".
mpv_volume() { rig_player_property Volume | awk '/double/ { print $3 }'; }
volume_within() {  # volume_within LOW HIGH
  local volume
  volume=$(mpv_volume) && [ -n "$volume" ] || return 1
  awk -v v="$volume" -v low="$1" -v high="$2" 'BEGIN { exit !(v >= low && v <= high) }'
}
# A gentle start of 20 seconds: mpv is turned down to a third of its level before it plays, rises
# in steps, and is back at its level, exactly, once the ring is off.
case_a_gentle_start_rises_to_the_players_level_and_back() {
  local risen
  settings_hold GentleStartSeconds=20
  expect "mpv to start" rig_start_mpv
  rig_player_volume 0.9
  ring_at_seven
  expect_within 2 "mpv at a third of its level at the start" volume_within 0.29 0.45
  risen=$(mpv_volume | awk '{ print $1 + 0.1 }')
  expect_within 3 "mpv playing" sounding
  expect_within 10 "the volume rising" volume_within "$risen" 0.85
  turn_off
  expect_within 3 "the ring's end" not_ringing
  expect_within 3 "mpv back at its level after Off" volume_within 0.9 0.9
}

# The entry that starts the program at sign-in is there exactly while the alarm is on, and its
# Exec line starts the program in the tray. A second start brings the first program's hidden
# window forward and ends, writing nothing; a second start in the tray ends without a word.
case_the_sign_in_entry_and_a_second_start() {
  local entry=$sign_in_entry
  local first settings second
  rig_start_tray
  start_dawnquill 06:00:00
  expect "no entry while the alarm is off" test ! -e "$entry"
  rig_arm 7 0 9
  expect_within 2 "the entry once the alarm is on" test -f "$entry"
  expect "an Exec line that starts it in the tray" grep -qxF "Exec=\"$app\" --tray" "$entry"
  expect "its comment in German too" grep -q '^Comment\[de\]=Startet DawnQuill' "$entry"
  first=$rig_app_pid
  close_window "$(main_window)"
  expect_within 2 "the close button to hide the armed window" main_hidden
  settings=$(cat "$XDG_CONFIG_HOME/DawnQuill.conf") && [ -n "$settings" ] ||
    fail "expected: the armed program's kept alarm in its settings file"
  for option in --tray ""; do
    rig_start_on_clock "$app" $option
    second=$rig_app_pid
    expect_within 5 "the second start ${option:+in the tray }to end" app_ended
    rig_app_pid=$first
    if [ -n "$option" ]; then
      expect "the window still hidden after a start in the tray" main_hidden
    else
      expect_within 3 "the first program's window brought forward" main_shown
    fi
    kill -0 "$first" || fail "expected: the first program to run on"
    [ "$(cat "$XDG_CONFIG_HOME/DawnQuill.conf")" = "$settings" ] ||
      fail "expected: the second start ($second) to write nothing"
  done
  toggle
  expect_within 2 "the entry gone with the alarm off" test ! -e "$entry"
}

# Where KDE's power manager runs, it is asked to wake the computer at the alarm's instant at
# turn-on, at the snooze's after a snooze, and to forget it at off. Its call back runs a tick at
# once, which rings for the minute that has come: twice a ring comes within 0.7 s of the call
# back, where the five-second timer alone would be that quick one time in seven. On the night the
# clocks go back, in a real zone, rung at 2:59 summer time and snoozed for a minute, it wakes and
# rings a minute later, at 2:00 winter time, not at 3:00 an hour on.
case_kde_power_manager_wakes_for_the_alarm_as_the_clocks_go_back() {
  local log=$rig_dir/wake-ups service path due cookie proven=0 rings=0
  start_stand_in power "$log"
  export FAKETIME_NO_CACHE=1 TZ=Europe/Berlin  # a clock set by the test is read at once
  start_dawnquill "2027-10-31 00:58:00 UTC" 2>"$rig_dir/log"
  rig_arm 2 59 1
  # A key pressed as the ring's window comes up may reach the window before the program has taken
  # the ring in full: the snooze waits for the ring's line in the log.
  snooze_the_ring() {
    rings=$((rings + 1))
    rung() { [ "$(grep -c 'Ringing for' "$rig_dir/log")" -ge "$rings" ]; }
    expect_within 3 "the ring's line in the log" rung
    xdotool windowfocus --sync "$(wake_window)" key x
  }
  last_wake_up_is() { tail -n 1 "$log" | grep -qE "^$1\$"; }
  expect_within 3 "a wake-up asked for 2:59 summer time" last_wake_up_is \
    "scheduled :[0-9.]+ /org/dawnquill/DawnQuill/WakeUp $(date -d '2027-10-31 00:59 UTC' +%s) 1"
  for _ in 1 2 3 4 5 6; do
    read -r _ service path due cookie < <(grep '^scheduled' "$log" | tail -n 1)
    rig_set_clock "@$due"
    sleep 0.3
    if ! ringing; then  # else a tick of the timer came first, and proves nothing
      dbus-send --session --print-reply --dest="$service" "$path" \
        org.kde.PowerManagement.wakeupCallback \
        "int32:$cookie" >/dev/null
      rig_wait 7 ringing || fail "expected within 0.7 s: the call back to ring at once"
      proven=$((proven + 1))
      [ "$proven" = 2 ] && break
    fi
    snooze_the_ring
    expect_within 3 "the wake-up moved to the snooze's minute" last_wake_up_is \
      "scheduled $service $path $((due + 60)) $((cookie + 1))"
  done
  [ "$proven" = 2 ] || fail "expected: two rings at a call back, not ticks of the timer"
  snooze_the_ring
  expect_within 3 "a snooze" not_ringing
  toggle
  expect_within 3 "the wake-up forgotten at off" last_wake_up_is "cleared $((cookie + 1))"
}

# The end of the session waits for nobody: with the settings file taken by a folder, SIGTERM with
# the alarm off ends the program at once, and the failed save is told in a notification and in
# the program's log, with its reason.
case_a_session_end_with_settings_that_cannot_be_saved() {
  mkdir -p "$XDG_CONFIG_HOME/DawnQuill.conf"
  start_stand_in notifications "$rig_dir/notifications"
  start_dawnquill "" 2>"$rig_dir/log"
  kill -TERM "$rig_app_pid"
  expect_within 3 "SIGTERM to end the program" app_ended
  expect "a notice of the lost settings" grep -q 'could not be saved' "$rig_dir/notifications"
  expect "the log's line, with the reason" grep -q 'could not be saved.*is a folder' "$rig_dir/log"
}

# Services that answer late hold nothing up, and what they grant after the program stopped
# wanting it is given back as the answer comes: the portal's hold and KDE's wake-up, each answered
# 1.5 s late, are released and cleared when the alarm went off before the answers came.
case_late_answers_are_given_back() {
  export STAND_IN_DELAY=1.5
  start_inhibitor portal
  start_stand_in power "$rig_dir/wake-ups"
  start_dawnquill 06:00:00
  rig_arm 7 0 9
  expect_within 2 "a hold asked for" grep -q '^held Alarm is on' "$rig_dir/holds"
  toggle
  expect_within 5 "the late hold given back" holding ""
  expect_within 5 "the late wake-up cleared" grep -qx 'cleared 1' "$rig_dir/wake-ups"
}

# ------------------------------------------------------------------------ what the room hears
# A sound server whose null sink is the room, which mpv plays into: with "empty", an mpv with
# nothing to play; with "tone", one paused on a two-second tone that loops, given OPTIONS too.
start_room() {  # start_room [empty | tone [OPTION...]]
  on_fail() { cat "$rig_dir/log"; pactl list sink-inputs; rig_room_level; }
  expect "a sound server" rig_start_sound
  export RIG_AUDIO_OUT=pulse
  export XDG_CACHE_HOME=$rig_dir/cache  # where libcanberra remembers which file a sound is
  if [ "${1:-}" = empty ]; then
    expect "mpv to start with an empty list" rig_start_mpv_with Stopped
  elif [ "${1:-}" = tone ]; then
    make_tone tone 2
    expect "mpv to start on the tone" \
      rig_start_mpv_with Paused --pause "${@:2}" --loop-playlist=inf "$rig_dir/tone.wav"
  fi
}
# The program plays the file named $1 (a pattern) into the room.
program_plays() { pactl list sink-inputs | grep -q "media.filename = \".*$1\""; }
# A steady tone of SECONDS, for the player to play.
make_tone() { sox -n -r 44100 -c 2 -b 16 "$rig_dir/$1.wav" synth "$2" sine 440 vol 0.3 2>/dev/null; }
program_streams() { rig_streams_of "$rig_app_pid"; }
program_sounds() { [ "$(program_streams)" -gt 0 ] && rig_room_hears; }
program_quiet() { [ "$(program_streams)" = 0 ]; }
snooze() { xdotool windowfocus --sync "$(wake_window)" key x; }

# The player rings: the room hears it, and nothing of the program's, for ticks on end. Turned down
# to 0 mid-ring, the program sounds within a tick; turned up again, the program falls silent
# within a tick, and the room hears the player alone.
case_the_room_hears_the_player_and_the_program_only_while_the_player_is_at_0() {
  start_room tone
  ring_at_seven
  expect_within 4 "the room to hear the player" rig_room_hears
  expect "the player's own stream" test "$(rig_streams_of "$rig_mpv_pid")" = 1
  sleep 11  # two ticks
  expect "no stream of the program's while the player is heard" program_quiet
  rig_player_volume 0
  expect_within 8 "the program's sound within a tick of the player at 0" program_sounds
  rig_player_volume 1
  expect_within 8 "the program silent within a tick of the player turned up" program_quiet
  expect "the room to hear the player again" rig_room_hears
}

# A player with nothing to play answers Play and stays stopped, or says it plays: either way the
# room hears the sound theme's alarm sound from the program within a tick of the ring.
the_program_sounds_for_a_player_with_nothing_to_play() {
  ring_at_seven
  expect_within 8 "the program's sound within a tick of the ring" program_sounds
  expect "the sound theme's alarm sound" program_plays '/sounds/freedesktop/stereo/alarm-clock-elapsed.oga'
}
case_the_room_hears_the_program_when_the_player_has_nothing_to_play() {
  start_room empty
  the_program_sounds_for_a_player_with_nothing_to_play
}
case_the_room_hears_the_program_when_the_player_says_it_plays_with_nothing_to_play() {
  start_room
  rig_mpv_plugin=$(dirname "$0")/late_mpris.lua
  expect "mpv to say it plays with an empty list" rig_start_mpv_with Playing
  the_program_sounds_for_a_player_with_nothing_to_play
}

# A file chosen to wake with, and mpv with nothing to play: at the ring mpv opens the file and
# plays it, the room hears it, and, from the tick after the Play on, nothing of the program's.
case_the_room_hears_the_file_chosen_to_wake_with() {
  start_room empty
  make_tone 'chosen tone' 30
  settings_hold "WakeWith=$rig_dir/chosen tone.wav"
  ring_at_seven
  expect_within 5 "the track proved" \
    grep -q "The player holds $rig_dir/chosen tone.wav" "$rig_dir/log"
  expect_within 4 "the room to hear the chosen file" rig_room_hears
  expect "mpv plays the chosen file" rig_player_property Metadata | grep -q "chosen%20tone.wav"
  expect_within 8 "no stream of the program's a tick on" program_quiet
  sleep 6  # a tick
  expect "no stream of the program's while the file plays" program_quiet
  expect "the room to hear the file still" rig_room_hears
}

# One track and no repeat: the room hears the track, and then, within a tick of its end, the
# program's own tone, since this desktop's sound theme has no alarm sound.
case_the_program_sounds_its_own_tone_when_the_track_runs_out() {
  start_room
  make_tone track 8
  mkdir "$rig_dir/no-theme"
  export XDG_DATA_DIRS=$rig_dir/no-theme
  expect "mpv to start" rig_start_mpv_with Paused --pause "$rig_dir/track.wav"
  ring_at_seven
  expect_within 4 "the room to hear the track" rig_room_hears
  expect "no stream of the program's while the track plays" program_quiet
  expect_within 15 "the program's sound within a tick of the track's end" program_sounds
  expect "the program's own tone" program_plays '/alarm-tone.wav'
}

# Records the room from now on, into recorded.raw; the null sink gives its monitor nothing for
# the first two seconds.
record_room() {
  parec -d room.monitor --raw --format=s16le --channels=1 --rate=48000 --latency-msec=10 \
    >"$rig_dir/recorded.raw" 2>/dev/null &
  rig_pids+=($!)
  recording() { [ "$(stat -c %s "$rig_dir/recorded.raw")" -gt 0 ]; }
  expect_within 5 "the room recorded" recording
}
# The index of process $1's sink input, or nothing.
input_of() {
  pactl list sink-inputs | awk -v p="application.process.id = \"$1\"" \
    '/^Sink Input #/ { i = substr($3, 2) } index($0, p) { print i }'
}
program_input() { input_of "$rig_app_pid"; }
# The program plays into a sink input other than $1, which may be none.
new_play() { local i; i=$(program_input) && [ -n "$i" ] && [ "$i" != "$1" ]; }
# As a new play of the program's sound begins, six seconds before its end, ACTION (a command)
# silences the room and leaves no stream of the program's within half a second. The room is
# silent from the end of the last 10 ms after ACTION with an RMS above 0.001.
silences_at_once() {
  local at start now gone=-1 room
  expect_within 8 "a new play of the program's sound" new_play "$(program_input)"
  at=$(stat -c %s "$rig_dir/recorded.raw") start=$(date +%s%N)
  "$@"
  while now=$(date +%s%N) && [ $((now - start)) -lt 2000000000 ]; do
    [ "$gone" = -1 ] && program_quiet && gone=$(((now - start) / 1000000))
    sleep 0.02
  done
  room=$(/usr/bin/python3 -c 'import array, sys
s = array.array("h", open(sys.argv[1], "rb").read()); at = int(sys.argv[2]) // 2
loud = [i for i in range(0, len(s) - 479, 480)
        if sum(x * x for x in s[i:i + 480]) > 480 * 32.8 ** 2]
print(max([0] + [(i + 480 - at) // 48 for i in loud]) if loud and loud[0] < at else -1)' \
    "$rig_dir/recorded.raw" "$at")
  echo "$*: no stream of the program's after $gone ms, the room silent after $room ms"
  [ "$room" != -1 ] || fail "expected: the room to have heard the program before $*"
  [ "$gone" -ge 0 ] && [ "$gone" -le 500 ] || fail "expected within 0.5 s: no stream after $*"
  [ "$room" -le 500 ] || fail "expected within 0.5 s: the room silent after $*"
}

# Snooze and Turn alarm off each silence the room within half a second, though the sound theme's
# alarm sound, played from the server's sample cache, lasts six seconds.
case_snooze_and_off_silence_the_room_within_half_a_second() {
  start_room empty
  record_room
  ring_at_seven
  expect_within 8 "the program's sound" program_sounds
  xdotool windowfocus --sync "$(wake_window)"
  silences_at_once xdotool key x
  expect_within 3 "the snooze to end the ring" not_ringing
  rig_set_clock 07:00:58
  expect_within 15 "the snooze's ring" ringing
  expect_within 8 "the program's sound again" program_sounds
  silences_at_once turn_off
}

# mpv muted in itself keeps its stream flowing at full volume, and its MPRIS volume says nothing
# of the mute: the stream's peaks tell, and the program sounds within two ticks of the ring.
case_the_room_hears_the_program_when_the_player_is_muted_in_itself() {
  start_room tone --mute=yes
  ring_at_seven
  local rang
  rang=$(date +%s%N)
  expect_within 3 "the muted player to play" sounding
  expect_within 12 "the program's stream within two ticks of the ring" new_play ""
  echo "the program's own sound $((($(date +%s%N) - rang) / 1000000)) ms after the ring"
  expect "the room to hear the program" program_sounds
}

# A player that hangs keeps its stream open, at full volume: its peaks tell, also once the stream
# has moved to another output, and the program sounds within three ticks (the first meters the
# moved stream anew), each answered once the hung player's call has run out.
case_the_room_hears_the_program_when_the_player_hangs_on_another_output() {
  start_room tone
  ring_at_seven
  expect_within 4 "the room to hear the player" rig_room_hears
  pactl load-module module-null-sink sink_name=den >/dev/null
  pactl move-sink-input "$(input_of "$rig_mpv_pid")" den
  kill -STOP "$rig_mpv_pid"
  expect_within 20 "the program's stream within three ticks and a call bound" new_play ""
  expect "the room to hear the program" program_sounds
  kill -CONT "$rig_mpv_pid"
}

# A sound server that restarts mid-ring takes the program's sound with it: the sound reports that
# it broke off, and a tick while the player is still silent starts it anew on a new connection,
# within three ticks.
case_the_program_sounds_again_after_the_sound_server_restarts() {
  start_room empty
  ring_at_seven
  expect_within 8 "the program's sound" program_sounds
  expect "the sound server started again" rig_restart_sound
  local restarted
  restarted=$(date +%s%N)
  expect_within 15 "the program's stream again within three ticks" new_play ""
  echo "the own sound again $((($(date +%s%N) - restarted) / 1000000)) ms after the restart"
  expect "the room to hear the program again" program_sounds
}

# A sound server that hangs holds nothing up: each call to it waits 30 s, yet with the server
# stopped mid-ring, a snooze ends the ring at once, the snooze's ring comes and ends at once as
# well, and SIGTERM ends the program.
case_a_sound_server_that_hangs_holds_nothing_up() {
  start_room empty
  ring_at_seven
  expect_within 8 "the program's sound" program_sounds
  kill -STOP "$rig_sound_pid"
  on_fail() { kill -CONT "$rig_sound_pid"; cat "$rig_dir/log"; }
  snooze
  expect_within 1 "the snooze to end the ring at once" not_ringing
  rig_set_clock 07:00:58
  expect_within 15 "the snooze's ring" ringing
  snooze
  expect_within 1 "the second snooze to end the ring at once" not_ringing
  kill -TERM "$rig_app_pid"
  expect_within 3 "SIGTERM to end the program" app_ended
  kill -CONT "$rig_sound_pid"
}

# The accessibility bus, turned on as a screen reader turns it on.
start_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  rig_pids+=($!)
  rig_wait 50 on_bus '^org.a11y.Bus$' || unavailable "the accessibility bus"
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
}
heard() { "$(dirname "$0")/accessible_names.py" DawnQuill >"$rig_dir/heard" 2>/dev/null; }
# The icon's menu offers an item of that label to the StatusNotifierItem host.
menu_offers() {
  local item menu ask=(dbus-send --session --print-reply)
  item=$("${ask[@]}" --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
    string:RegisteredStatusNotifierItems | grep -o '"[^"]*"' | tr -d '"' | head -1)
  [ -n "$item" ] || return 1
  "${ask[@]}" --dest="${item%%/*}" /MenuBar com.canonical.dbusmenu.GetLayout int32:0 int32:-1 \
    array:string:label | grep -qF "string \"$1\""
}
hears() { heard && grep -qxF "$1" "$rig_dir/heard"; }  # hears "ROLE|NAME"

declare -F "case_$name" >/dev/null || { echo "no such case: $name" >&2; exit 2; }
rig_start_x || unavailable Xvfb
rig_start_bus || unavailable "the session bus"
export XDG_CONFIG_HOME=$rig_dir/config
sign_in_entry=$XDG_CONFIG_HOME/autostart/org.dawnquill.DawnQuill-alarm.desktop
rig_load_points "$points"
"case_$name"
