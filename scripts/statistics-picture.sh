#!/usr/bin/env bash
# Takes a picture of the statistics window: run by scripts/demo.sh inside xvfb-run, on a display
# without a window manager.
#   statistics-picture.sh HOST PLUGIN SERVER LOG PICTURE
set -euo pipefail
host=$1 plugin=$2 server=$3 log=$4 picture=$5
root=$PWD

# A prefix of its own, so the tests' headless one keeps its null graphics driver.
export WINEARCH=win32 WINEDEBUG=-all WINEPREFIX=$root/build/demo/wineprefix-display
scripts/wine-prefix.sh "$WINEPREFIX" >/dev/null 2>&1
wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
# No window manager: Wine draws the frames itself, and hiding a window does not stall.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
# The window opens where it was designed to: forget where an earlier run left it.
wine reg delete 'HKCU\Software\marovinta-host' /f >/dev/null 2>&1 || true
# The graphics settings take effect for the next Wine session only.
wineserver -w
windows_path() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }
wine regsvr32 /s "$(windows_path "$server")"

# The designed frame of the statistics window: left, top, width, height.
frame="374x196+579+167"
transcript=$(mktemp)
trap 'rm -f "$transcript"' EXIT
wine "$host" >"$transcript" <<SCRIPT &
load $(windows_path "$plugin")
open $log
own JO62QM
title Demo Contest
run
report
pump 8000
quit
SCRIPT
hostPid=$!

# The window is up and reported once the transcript has the report.
for _ in $(seq 1 300); do
  grep -q '^report -> ' "$transcript" && break
  sleep 0.1
done
grep -q '^report -> ' "$transcript" || { echo "picture: the host did not report" >&2; exit 1; }
# Wine maps and paints the window a little later: take pictures until the window is on one.
screen=$(mktemp --suffix=.png)
crop=$(mktemp --suffix=.png)
trap 'rm -f "$transcript" "$screen" "$crop"' EXIT
for _ in $(seq 1 20); do
  sleep 0.5
  /usr/bin/import -window root "$screen"
  # Without time stamps, so the same picture makes the same file.
  /usr/bin/convert "$screen" -crop "$frame" +repage -strip \
    -define png:exclude-chunks=date,time "$crop"
  colours=$(/usr/bin/identify -format '%k' "$crop")
  [ "$colours" -gt 8 ] && break
done
[ "$colours" -gt 8 ] || { echo "picture: the window did not appear" >&2; exit 1; }
# Only a picture of the window replaces the one there was.
mkdir -p "$(dirname "$picture")"
cp "$crop" "$picture"
wait "$hostPid"
wineserver -w
