#!/usr/bin/env bash
# Takes pictures of the plug-in's two windows: run by scripts/demo.sh inside xvfb-run (a screen of
# at least 1280 x 1024, since the map's designed frame ends at x = 1053), on a display without a
# window manager.
#   window-pictures.sh HOST PLUGIN SERVER LOG STATISTICS_PICTURE MAP_PICTURE
set -euo pipefail
host=$1 plugin=$2 server=$3 log=$4 statisticsPicture=$5 mapPicture=$6
root=$PWD

# A prefix of its own, so the tests' headless one keeps its null graphics driver.
export WINEARCH=win32 WINEDEBUG=-all WINEPREFIX=$root/build/demo/wineprefix-display
scripts/wine-prefix.sh "$WINEPREFIX" >/dev/null 2>&1
wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
# No window manager: Wine draws the frames itself, and hiding a window does not stall.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
# The windows open where they were designed to: forget where an earlier run left them.
wine reg delete 'HKCU\Software\marovinta-host' /f >/dev/null 2>&1 || true
# The graphics settings take effect for the next Wine session only.
wineserver -w
windows_path() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }
wine regsvr32 /s "$(windows_path "$server")"

transcript=$(mktemp)
screen=$(mktemp --suffix=.png)
crop=$(mktemp --suffix=.png)
trap 'rm -f "$transcript" "$screen" "$crop"' EXIT

# The host logs a few QSOs around the world on 14 with the map open, so it shows worked fields.
wine "$host" >"$transcript" <<SCRIPT &
load $(windows_path "$plugin")
open $log
own JO62QM
title Demo Contest
run
report
pump 6000
click Loc
add DL1ABC 14 CW 599 JO31
add W1XYZ 14 CW 599 FN42
add K5ABC 14 FT8 -12 EM12
add PY2XYZ 14 SSB 59 GG66
add ZS6ABC 14 CW 599 KG33
add JA1XYZ 14 CW 599 PM95
add VK2ABC 14 SSB 59 QF56
add UA9XYZ 14 CW 599 MO06
click 14
pump 6000
release
pump 200
quit
SCRIPT
hostPid=$!

wait_for() {
  for _ in $(seq 1 300); do
    grep -q "$1" "$transcript" && return 0
    sleep 0.1
  done
  echo "pictures: the host did not get to '$1'" >&2
  exit 1
}

# Wine maps and paints a window a little after the host's command returns: take pictures until
# the window's frame is on one. Only a picture of the window replaces the one there was.
capture() {
  local frame=$1 picture=$2 colours=0
  for _ in $(seq 1 20); do
    sleep 0.5
    /usr/bin/import -window root "$screen"
    # Without time stamps, so the same picture makes the same file.
    /usr/bin/convert "$screen" -crop "$frame" +repage -strip \
      -define png:exclude-chunks=date,time "$crop"
    colours=$(/usr/bin/identify -format '%k' "$crop")
    [ "$colours" -gt 8 ] && break
  done
  [ "$colours" -gt 8 ] || { echo "pictures: no window at $frame" >&2; exit 1; }
  mkdir -p "$(dirname "$picture")"
  cp "$crop" "$picture"
}

# The designed frames (width x height + left + top).
wait_for '^report -> '
capture "374x196+579+167" "$statisticsPicture"
wait_for '^click 14 -> '
capture "548x372+505+164" "$mapPicture"
wait "$hostPid"
wineserver -w
