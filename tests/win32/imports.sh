#!/usr/bin/env bash
# The executable needs no DLL beyond the system's: no C++ runtime, no toolkit.
#   imports.sh DAWNQUILL.EXE
set -uo pipefail
imports=$(x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name/ {print $3}')
echo "$(stat -c %s "$1") bytes; imports:" $imports
others=$(grep -viE '^(kernel32|user32|gdi32|shell32|advapi32|comctl32|msvcrt|version)\.dll$' \
  <<<"$imports")
[ -z "$others" ] || { echo "FAIL: imports beyond the system's: $others"; exit 1; }
