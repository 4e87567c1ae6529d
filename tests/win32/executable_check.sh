#!/usr/bin/env bash
# The executable is under 450 KB, holds the icon's large image, needs no DLL beyond the system's
# (no C++ runtime, no toolkit), and carries the version record that Explorer shows.
#   executable_check.sh DAWNQUILL.EXE
set -uo pipefail
imports=$(x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name/ {print $3}')
size=$(stat -c %s "$1")
echo "$size bytes; imports:" $imports
[ "$size" -lt 460800 ] || { echo "FAIL: $size bytes, not under 450 KB"; exit 1; }
system='kernel32|user32|gdi32|shell32|advapi32|comctl32|comdlg32|ole32|winmm|msvcrt'
others=$(grep -viE "^($system)\.dll\$" <<<"$imports")
[ -z "$others" ] || { echo "FAIL: imports beyond the system's: $others"; exit 1; }
# The icon's 256-pixel image, which Explorer's large views and the installer show, is a PNG: the
# only one the executable holds.
pngs=$(LC_ALL=C grep -caP '\x89PNG\r$' "$1")
[ "$pngs" = 1 ] || { echo "FAIL: $pngs PNG images, not the icon's one"; exit 1; }
record=$(strings -e l "$1" | sed -n '/^StringFileInfo$/,/^VarFileInfo$/p' | paste -sd ' ')
[ "$record" = "StringFileInfo 040904B0 FileVersion 1.00.0001 ProductVersion 1.00.0001 \
ProductName DawnQuill InternalName DawnQuill OriginalFilename DawnQuill.exe FileDescription \
DawnQuill alarm clock VarFileInfo" ] || { echo "FAIL: the version record is $record"; exit 1; }
