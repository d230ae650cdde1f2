#!/usr/bin/env bash
# A picture of the locator map: the stand-in logging program opens the statistics window, presses
# "Loc", logs QSOs on 14 MHz and elsewhere, and the map is captured from a virtual X display.
#   scripts/locator-map-shot.sh [PICTURE]     (default docs/locator-map.png)
# Runs in a Wine prefix of its own with the X11 driver (the tests' prefix is headless).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
picture=$(realpath -m "${1:-docs/locator-map.png}")

scripts/setup.sh all
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake --no-warn-unused-cli >/dev/null
cmake --build build/win -j"$(nproc)" >/dev/null
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j"$(nproc)" --target marovinta-samplelog >/dev/null

windows_path() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }
host=build/win/host/marovinta-host.exe
plugin=$(windows_path build/win/bin/Marovinta.dll)
server=$(windows_path build/win/bin/DistanceServer.dll)
work=$root/build/shot
log=$work/sample-log.sqlite
mkdir -p "$work" "$(dirname "$picture")"
rm -f "$log"
build/native/host/marovinta-samplelog "$log" >/dev/null

export WINEARCH=win32 WINEPREFIX=$root/build/win/shotprefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="

cat >"$work/script.txt" <<SCRIPT
load $plugin
open $log
own JO62QM
title Demo Contest
run
click Loc
add DL1ABC 14 CW 599 JO31
add G4XYZ 14 SSB 59 IO91
add F5ABC 14 CW 599 JN18
add EA3XYZ 14 CW 599 JN11
add I2ABC 14 SSB 59 JN45
add UA3ABC 14 CW 599 KO85
add OH2XYZ 14 CW 599 KP20
add SM5ABC 14 FT8 -10 JO89
add SV1XYZ 14 CW 599 KM18
add 4X1ABC 14 SSB 59 KM72
add W1XYZ 14 CW 599 FN42
add K5ABC 14 FT8 -12 EM12
add PY2XYZ 14 SSB 59 GG66
add ZS6ABC 14 CW 599 KG33
add JA1XYZ 14 CW 599 PM95
add VK2ABC 14 SSB 59 QF56
add UA9XYZ 14 CW 599 MO06
add W6ABC 21 CW 599 CM87
add LU1XYZ 7 CW 599 GF05
click 14
pump 500
state
pump 8000
quit
SCRIPT

# Inside the virtual display: the prefix on first use, the host in the background, and the
# picture once the host has said it is ready and is waiting.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$host" "$server" "$work" "$picture" <<'SHOT'
set -euo pipefail
host=$1 server=$2 work=$3 picture=$4
if [ ! -f "$WINEPREFIX/.ready" ]; then
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  # No window manager here: Wine draws the frames itself and does not wait for one.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  wineserver -w
  touch "$WINEPREFIX/.ready"
fi
wine regsvr32 /s "$server"
transcript=$work/transcript.txt
wine "$host" "$work/script.txt" >"$transcript" 2>"$work/host-errors.txt" &
for _ in $(seq 600); do
  grep -q '^state ->' "$transcript" && break
  sleep 0.1
done
grep -q '^state ->' "$transcript" || { echo "shot: the host did not get ready" >&2; cat "$transcript" >&2; exit 1; }
sleep 1
geometry=$(xwininfo -name Loc)
x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$geometry")
y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$geometry")
w=$(sed -n 's/.*Width: *//p' <<<"$geometry")
h=$(sed -n 's/.*Height: *//p' <<<"$geometry")
/usr/bin/import -window root "$work/screen.png"
/usr/bin/convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$picture"
wait
wineserver -w
SHOT
echo "shot: $picture"
