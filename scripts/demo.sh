#!/usr/bin/env bash
# The main job: installs what it needs, builds both configurations, writes the sample log and lets
# the stand-in logging program drive the plug-in on it under Wine, without a display. When
# xvfb-run is there, a second run on a virtual display saves pictures of the statistics window and
# the locator map in docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-side.sh
root=$PWD
jobs=$(nproc)
log=$root/build/demo/sample-log.sqlite

write_sample_log() {
  mkdir -p "$(dirname "$log")"
  build/native/host/marovinta-samplelog "$log"
}

score_from_command_line() {
  echo "demo: $1, scored from the command line by out/bin/marovinta-score"
  out/bin/marovinta-score --own JO62QM "$log"
  echo
}

scripts/setup.sh all

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j"$jobs" >/dev/null
cmake --install build/native --prefix out >/dev/null

# Without a kernel that runs 32-bit programs, the native scorer is all this machine can show.
if kernel_refuses_32_bit; then
  write_sample_log
  score_from_command_line "the sample log $log"
  echo "demo: the plug-in itself was not run: $windows_side_refused" >&2
  exit 1
fi

cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake --no-warn-unused-cli >/dev/null
cmake --build build/win -j"$jobs" >/dev/null

host=build/win/host/marovinta-host.exe
plugin=build/win/bin/Marovinta.dll
server=build/win/bin/DistanceServer.dll
for built in "$host" "$plugin" "$server"; do
  [ -f "$built" ] || { echo "demo: $built is missing after the build" >&2; exit 1; }
done

write_sample_log

# Wine maps drive Z: to the Unix root.
windows_path() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }

export WINEARCH=win32 WINEDEBUG=-all
# The headless prefix the Windows tests use (null graphics driver).
export WINEPREFIX=$root/build/win/wineprefix
scripts/wine-prefix.sh "$WINEPREFIX" >/dev/null 2>&1
wine regsvr32 /s "$(windows_path "$server")"

echo "demo: the host drives the plug-in on $log"
wine "$host" <<SCRIPT
load $(windows_path "$plugin")
open $log
own JO62QM
title Demo Contest
info
run
report
# A new QSO: first what it would bring, then logged; the same QSO again is a duplicate.
probe VK2XYZ 14 SSB QF56
add VK2XYZ 14 SSB 59 QF56
probe VK2XYZ 14 SSB QF56
add VK2XYZ 14 SSB 59 QF56
add JA1ABC 21 CW 599 pm95tq
add W1XYZ 7 FT8 -10 FN31
add UA3QRS 50 CW 599 KO85
# No square in the report: the QSO counts, without points.
add G4QRS 14 SSB 59
report
# The title bar's close button only minimises the window; a close message closes it.
syscommand 0xF060
state
close
state
# A new window rebuilds everything from the log: the same counts as before the close.
run
report
release
pump 200
quit
SCRIPT
wineserver -w

score_from_command_line "the same log"

if command -v xvfb-run >/dev/null; then
  echo "demo: pictures of the statistics window and the locator map on a virtual display"
  xvfb-run -a -s "-screen 0 1280x1024x24" scripts/window-pictures.sh "$host" "$plugin" "$server" \
    "$log" docs/statistics-window.png docs/locator-map.png
  echo "demo: saved docs/statistics-window.png and docs/locator-map.png"
fi
