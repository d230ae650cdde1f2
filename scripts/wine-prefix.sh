#!/usr/bin/env bash
# Makes the private 32-bit Wine prefix the Windows tests run in, once per build tree: headless
# (null graphics driver), no crash dialog (a crash prints a backtrace and fails), Wine's own fonts.
set -euo pipefail
prefix=$(realpath -m "$1")
[ -f "$prefix/.ready" ] && exit 0

rm -rf "$prefix"
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all
# No offer to install Mono or Gecko: nothing here needs them, and the offer would wait for a click.
export WINEDLLOVERRIDES="mscoree=;mshtml="
wineboot -i
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
wineserver -w
touch "$prefix/.ready"
