# Real desktop parts for running DawnQuill where there is no desktop, and for its end-to-end
# tests: a virtual X display, a tray host, a private session bus and a headless mpv. Source it;
# every process it starts is recorded and ended by rig_cleanup, by PID.

# The programs speak English whatever the developer's own language, for the texts the rig reads;
# a case that wants another language gives it to the program it starts.
unset LANGUAGE
export LC_MESSAGES=C
[ -z "${LC_ALL:-}" ] || export LC_ALL=C.UTF-8

rig_pids=()
rig_dir=$(mktemp -d "${TMPDIR:-/tmp}/dawnquill-rig.XXXXXX")
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="$rig_dir/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

rig_cleanup() {
  # Runs from an EXIT trap, also under set -e: no step may fail.
  local pid i
  for ((i = ${#rig_pids[@]} - 1; i >= 0; i--)); do
    kill -TERM "${rig_pids[i]}" 2>/dev/null || true
  done
  for pid in "${rig_pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rig_pids=()
  rm -rf "$rig_dir" || true
}

# Waits up to $1 tenths of a second, on the real clock however long each try takes, for the
# command after it to succeed.
rig_wait() {
  local end=$(($(date +%s%N) + $1 * 100000000))
  shift
  while [ "$(date +%s%N)" -lt "$end" ]; do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  "$@" >/dev/null 2>&1
}

# Starts Xvfb on a display number it picks itself and exports DISPLAY. Fails when it cannot.
rig_start_x() {
  local fd_file="$rig_dir/display"
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 800x600x24 3>"$fd_file" 2>/dev/null &
  rig_pids+=($!)
  rig_wait 50 test -s "$fd_file" || return 1
  export DISPLAY=":$(cat "$fd_file")"
}

# Starts a private session bus and exports its address.
rig_start_bus() {
  local out
  out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || return 1
  export DBUS_SESSION_BUS_ADDRESS=${out%%$'\n'*}
  rig_pids+=("${out##*$'\n'}")
}

# Starts a sound server whose one output is a null sink, "room", and points every client started
# after it there. What the sink's monitor records is what a listener in the room hears. Its PID
# is in rig_sound_pid.
rig_start_sound() {
  local socket=$rig_dir/pulse.sock
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --load="module-null-sink sink_name=room" \
    --load="module-native-protocol-unix socket=$socket auth-anonymous=1" >/dev/null 2>&1 &
  rig_sound_pid=$!
  rig_pids+=("$rig_sound_pid")
  export PULSE_SERVER=unix:$socket
  rig_wait 50 pactl info
}
# The sound server killed, as by a crash, and started again on the same socket.
rig_restart_sound() {
  kill -KILL "$rig_sound_pid"
  wait "$rig_sound_pid" 2>/dev/null
  local pid kept=()
  for pid in "${rig_pids[@]}"; do [ "$pid" = "$rig_sound_pid" ] || kept+=("$pid"); done
  rig_pids=("${kept[@]}")
  rig_start_sound
}
# How loud the room is over a second, as sox's RMS amplitude (0 to 1); fails when the monitor
# cannot be recorded.
rig_room_level() {
  local raw=$rig_dir/room.raw
  timeout 6 parec -d room.monitor --raw --format=s16le --channels=1 --rate=48000 \
    --latency-msec=50 2>/dev/null | head -c 96000 >"$raw"
  [ "$(stat -c %s "$raw")" = 96000 ] || return 1
  sox -t raw -r 48000 -e signed -b 16 -c 1 "$raw" -n stat 2>&1 | awk '/^RMS +amplitude/ {print $3}'
}
rig_room_hears() { local l; l=$(rig_room_level) && awk -v l="$l" 'BEGIN {exit !(l > 0.01)}'; }
rig_room_silent() { local l; l=$(rig_room_level) && awk -v l="$l" 'BEGIN {exit !(l < 0.001)}'; }
# How many streams process $1 plays into the sound server; fails when the server cannot be asked.
rig_streams_of() {
  local inputs
  inputs=$(pactl list sink-inputs 2>/dev/null) || return 1
  grep -c "application.process.id = \"$1\"" <<<"$inputs" || true
}

# Starts the trayer tray host; its PID is in rig_tray_pid.
rig_start_tray() {
  trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
    >/dev/null 2>&1 &
  rig_tray_pid=$!
  rig_pids+=("$rig_tray_pid")
}

# Starts gtk-sni-tray's bar, a StatusNotifierItem host with a watcher of its own, and waits
# until the host has registered. On a loaded machine the bar sometimes ends at start-up with a
# pattern-match error of its own, before it registers; it is then started again, three tries in
# all. Fails when no try registers.
rig_start_sni_host() {
  local try
  for try in 1 2 3; do
    gtk-sni-tray-standalone --watcher --top --end --size 24 >>"$rig_dir/sni-host.log" 2>&1 &
    rig_pids+=($!)
    rig_wait 100 rig_sni_host_registered_or_gone "$!" && rig_sni_host_registered && return 0
  done
  return 1
}
rig_sni_host_registered() {
  rig_bus_property org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.kde.StatusNotifierWatcher IsStatusNotifierHostRegistered | grep -q 'boolean true'
}
rig_sni_host_registered_or_gone() { rig_sni_host_registered || ! kill -0 "$1" 2>/dev/null; }

# The names on the session bus, one a line.
rig_bus_names() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.ListNames 2>/dev/null | awk -F'"' '/string "/ {print $2}'
}

rig_has_player() { rig_bus_names | grep -q '^org\.mpris\.MediaPlayer2\.'; }

# Starts mpv, paused, on a chime it makes, played over and over; silent unless RIG_AUDIO_OUT names
# an audio output. Waits until it answers on the bus; its PID is in rig_mpv_pid.
rig_start_mpv() {
  local chime="$rig_dir/chime.wav"
  [ -f "$chime" ] || sox -n -r 44100 -c 2 -b 16 "$chime" synth 1.5 pluck E5 pluck B5 \
    fade q 0 1.5 1.2 pad 0 1 2>/dev/null
  rig_start_mpv_with Paused --pause --loop-playlist=inf "$chime"
}
# Starts mpv with the arguments after STATUS (its list, or none), and waits until it reports
# STATUS on the bus. mpv's MPRIS plugin (0.7) at times misses that mpv went idle and says Playing
# with nothing to play: an mpv that says otherwise than STATUS is started again, up to five times.
# rig_mpv_plugin names the plugin, or a script that loads it.
rig_mpv_plugin=/usr/lib/mpv-mpris/mpris.so
rig_start_mpv_with() {
  local status=$1
  shift
  for _ in 1 2 3 4 5; do
    env -u DISPLAY mpv --no-config --script="$rig_mpv_plugin" --no-terminal \
      --really-quiet --idle=yes --keep-open=yes --vo=null --no-video \
      --ao="${RIG_AUDIO_OUT:-null}" "$@" 2>/dev/null &
    rig_mpv_pid=$!
    rig_pids+=("$rig_mpv_pid")
    # mpv answers within a second; the bound is for a machine loaded with other cases.
    rig_wait 300 rig_player_property PlaybackStatus || return 1
    rig_wait 10 rig_player_status_is "$status" && return 0
    kill "$rig_mpv_pid"
    wait "$rig_mpv_pid" 2>/dev/null || true
    unset 'rig_pids[-1]'
  done
  return 1
}

rig_bus_property() {  # rig_bus_property SERVICE PATH INTERFACE NAME: dbus-send's reply
  dbus-send --session --print-reply --dest="$1" "$2" org.freedesktop.DBus.Properties.Get \
    "string:$3" "string:$4" 2>/dev/null
}
rig_player_property() {  # rig_player_property NAME [PLAYER]
  rig_bus_property "${2:-org.mpris.MediaPlayer2.mpv}" /org/mpris/MediaPlayer2 \
    org.mpris.MediaPlayer2.Player "$1"
}
rig_player_volume() {  # rig_player_volume 0.5: as a user turns the player itself down or up
  dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.mpv /org/mpris/MediaPlayer2 \
    org.freedesktop.DBus.Properties.Set string:org.mpris.MediaPlayer2.Player string:Volume \
    "variant:double:$1" >/dev/null
}
rig_player_status_is() { rig_player_property PlaybackStatus | grep -q "\"$1\""; }
# Where the player is in its track, in microseconds: it sounds while this advances.
rig_position() { rig_player_property Position "$@" | awk '/int64/ {print $3}'; }

# The wall clock of programs started by rig_start_on_clock reads $1 (any date(1) time) from now
# on; their timers keep their real pace. It reads $1 at the real second rig_clock_real: the
# offset is whole seconds.
rig_clock_file=$rig_dir/faketime
echo +0 >"$rig_clock_file"
rig_set_clock() {
  rig_clock_real=$(date +%s)
  printf '%+d\n' $(($(date -d "$1" +%s) - rig_clock_real)) >"$rig_clock_file"
}
rig_start_on_clock() {  # rig_start_on_clock PROGRAM [ARG...]: its PID is in rig_app_pid
  LD_PRELOAD=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1) \
    FAKETIME_TIMESTAMP_FILE=$rig_clock_file FAKETIME_CACHE_DURATION=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 "$@" &
  rig_app_pid=$!
  rig_pids+=("$rig_app_pid")
}

# The window of a program's icon docked in the tray host: one of the windows of class $1 whose
# parent is not the root. Fails when there is none.
rig_docked_icon() {
  comm -23 <(xdotool search --class "$1" | sort) \
    <(xdotool search --maxdepth 1 --class "$1" | sort) 2>/dev/null | head -n 1 | grep .
}

# The window id of the top-level window whose title is exactly $1.
rig_window() { xdotool search --all --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
rig_window_shown() { test -n "$(rig_window "$1")"; }
# A window that is not shown is only told from a display that cannot be asked by asking it.
rig_display_answers() { xdotool getdisplaygeometry >/dev/null 2>&1; }
rig_window_absent() { rig_display_answers && ! rig_window_shown "$1"; }

# Where DawnQuill's controls are: runs the build's layout_points (COMMAND...), which sets
# at_NAME to "X Y" for each control the tests click.
rig_load_points() { eval "$("$@" | tr -d '\r')"; }
rig_click() { xdotool mousemove --window "$1" $2 click 1; }  # rig_click WINDOW "X Y"

# Types HOUR, MINUTE and DELAY into DawnQuill's boxes, as a person does, and presses Enter.
rig_arm() {
  local w
  w=$(rig_window DawnQuill)
  xdotool windowfocus --sync "$w"
  rig_click "$w" "$at_hour_box"
  xdotool key ctrl+a type "$1"
  xdotool key Tab ctrl+a type "$2"
  xdotool key Tab ctrl+a type "$3"
  xdotool key Return
}
