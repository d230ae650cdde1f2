#!/usr/bin/env bash
# Takes pictures of the installer's and the uninstaller's pages, as a contester sees them, on a
# virtual display without a window manager:
#   xvfb-run -a -s "-screen 0 1024x768x24" scripts/installer-pictures.sh SETUP FOLDER
# Needs xdotool, which presses each page's default button.
set -euo pipefail
setup=$(realpath "$1") folder=$2
root=$PWD
source scripts/windows-side.sh
if kernel_refuses_32_bit; then
  echo "installer-pictures: no pictures: $windows_side_refused" >&2
  exit 1
fi

# A prefix of its own, made afresh and removed at the end, with a graphics driver.
export WINEARCH=win32 WINEDEBUG=-all WINEPREFIX=$root/build/installer-pictures/prefix
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
scripts/wine-prefix.sh "$WINEPREFIX" >/dev/null 2>&1
wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1
# No window manager: Wine draws the frames itself, and hiding a window does not stall.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wineserver -w
mkdir -p "$folder"

# The X window of the Wine window whose title matches, once it is shown.
window_of() {
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 && return 0
    sleep 0.2
  done
  echo "pictures: no window '$1' among:" >&2
  xdotool search --name . getwindowname %@ >&2 || true
  exit 1
}

# Pictures the page shown once it has settled, then presses its default button.
picture_then_next() {
  local window=$1 picture=$2
  sleep 2
  /usr/bin/import -window "$window" "$folder/$picture.png"
  # Without time stamps, so the same page makes the same file.
  /usr/bin/convert "$folder/$picture.png" -strip -define png:exclude-chunks=date,time \
    "$folder/$picture.png"
  xdotool key Return
}

windows_path() { echo "Z:${1//\//\\}"; }
wine "$(windows_path "$setup")" &
installer=$(window_of 'Marovinta .* Setup')
picture_then_next "$installer" installer-1-welcome
picture_then_next "$installer" installer-2-folder
picture_then_next "$installer" installer-3-installed
picture_then_next "$installer" installer-4-finish
wait

wine 'C:\users\'"$(id -un)"'\AppData\Local\Programs\Marovinta\Marovinta-uninstall.exe' &
uninstaller=$(window_of 'Marovinta .* Uninstall')
picture_then_next "$uninstaller" uninstaller-1-confirm
picture_then_next "$uninstaller" uninstaller-2-removed
wait
wineserver -w
