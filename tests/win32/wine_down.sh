#!/usr/bin/env bash
# Ends what wine_up.sh started.
#   wine_down.sh DIR
dir=$1
WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null
for name in trayer xvfb; do
  [ -f "$dir/$name.pid" ] && kill "$(cat "$dir/$name.pid")" 2>/dev/null
done
exit 0
