#!/usr/bin/env bash
# Installs the release under Wine as a contester would, in a fresh prefix of its own, and checks:
# a silent installation into the default per-user folder; the version resources of the installed
# DLLs; a QSO scored by a logging program (the stand-in host, as C:\Logger\logger.exe) through the
# installed plug-in and the per-user registered component; an uninstallation that leaves no file
# and no registry key of ours. Then, with a component of the logging program's own registered for
# the machine or for the user: an installation into the program's plug-in folder and its removal
# leave that registration, the program's files and its folder as they were.
#   installer_test.sh SETUP VERSION HOST VERSION_INFO
set -euo pipefail
setup=$1 version=$2 host=$3 versionInfo=$4
root=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d "$PWD/installer-test.XXXXXX")
export WINEPREFIX=$work/prefix WINEARCH=win32 WINEDEBUG=-all
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
"$root/scripts/wine-prefix.sh" "$WINEPREFIX" >/dev/null 2>&1

classKey='Software\Classes\CLSID\{FFEE21AA-6136-4B31-8811-F6F927FBDE62}'
uninstallKey='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Marovinta'
uninstaller=Marovinta-uninstall.exe

failures=0
fail() {
  echo "installer test: FAILED: $*" >&2
  failures=$((failures + 1))
}
expect_eq() {
  [ "$1" == "$2" ] || fail "$3: got '$1', expected '$2'"
}

run() { "$root/scripts/wine-run.sh" "$WINEPREFIX" "$@"; }
windows_path() {
  local path
  path=$(realpath "$1")
  echo "Z:${path//\//\\}"
}
unix_path() {
  local path=${1#[Cc]:}
  echo "$WINEPREFIX/drive_c${path//\\//}"
}
# A value of a key (the key's default value for an empty name), or nothing.
reg_value() {
  local which=(/v "$2")
  [ -n "$2" ] || which=(/ve)
  run reg query "$1" "${which[@]}" 2>/dev/null | sed -n 's/^    .*    REG_[A-Z_]*    //p'
}
key_exists() { run reg query "$1" >/dev/null 2>&1; }

# Every registry key, once Wine has written the registry out. Wine rebuilds its list of network
# cards on every start.
keys() {
  wineserver -w
  sed -n 's/^\[\(.*\)\] [0-9]*$/HKCU\\\1/p' "$WINEPREFIX/user.reg"
  sed -n 's/^\[\(.*\)\] [0-9]*$/HKLM\\\1/p' "$WINEPREFIX/system.reg" | grep -v 'NetworkCards'
}
# Every file and folder on drive C:. The uninstaller runs from a copy of itself in the temporary
# folder, which the system deletes at the next restart (checked below).
files() {
  (cd "$WINEPREFIX/drive_c" && find . | grep -v '/Temp/~nsu[^/]*\.tmp' | sort)
}

# Runs the uninstaller silently and waits until its copy in the temporary folder has finished.
uninstall() {
  run "$1\\$uninstaller" /S || fail "the uninstaller failed"
  wineserver -w
  grep -q '^"PendingFileRenameOperations"=.*~nsu' "$WINEPREFIX/system.reg" ||
    fail "the uninstaller's copy is not deleted at the next restart"
}

expect_same() {
  local what=$1 before=$2 after=$3
  local changes
  changes=$(diff <(sort <<<"$before") <(sort <<<"$after") | grep '^[<>]' || true)
  [ -z "$changes" ] || fail "$what changed:"$'\n'"$changes"
}

expect_version() {
  local file=$1 info
  info=$(run "$(windows_path "$versionInfo")" "$file") || fail "no version resource in $file"
  for line in "Fixed: $version.0" "FileVersion: $version" "ProductVersion: $version" \
    "ProductName: Marovinta"; do
    grep -qxF "$line" <<<"$info" || fail "$file: no '$line' in its version resource:"$'\n'"$info"
  done
}

# Windows always has the key of the user's class registrations; a fresh Wine prefix does not.
run reg add 'HKCU\Software\Classes' /f >/dev/null
# The logging program, before anything of ours is there, with an empty plug-in folder; its settings
# key is its own.
mkdir -p "$WINEPREFIX/drive_c/Logger/Plugins"
cp "$host" "$WINEPREFIX/drive_c/Logger/logger.exe"
logger='C:\Logger\logger.exe'
loggerKeys='Software\\\\logger'

echo "installer test: silent installation into the default folder"
keysBefore=$(keys)
filesBefore=$(files)
run "$(windows_path "$setup")" /S || fail "the installer failed"
folder="$(run cmd /c 'echo %LOCALAPPDATA%')\\Programs\\Marovinta"
expect_eq "$(reg_value "$uninstallKey" InstallLocation)" "$folder" "the installation folder"
for file in Marovinta.dll DistanceServer.dll "$uninstaller"; do
  [ -f "$(unix_path "$folder\\$file")" ] || fail "$file is not in $folder"
done
expect_eq "$(reg_value "HKCU\\$classKey\\InprocServer32" '')" "$folder\\DistanceServer.dll" \
  "the component's server, registered for the user"
expect_eq "$(reg_value "HKCU\\$classKey\\InprocServer32" ThreadingModel)" Apartment \
  "the component's threading model"
if key_exists "HKLM\\$classKey"; then
  fail "the component is registered for the machine"
fi
expect_eq "$(reg_value "$uninstallKey" DisplayVersion)" "$version" "the listed version"
expect_eq "$(reg_value "$uninstallKey" UninstallString)" "\"$folder\\$uninstaller\"" \
  "the listed uninstaller"
expect_version "$folder\\Marovinta.dll"
expect_version "$folder\\DistanceServer.dll"

echo "installer test: the logging program scores a QSO through the installed plug-in"
# Wine 8 finds COM classes under HKLM\Software\Classes only: its HKEY_CLASSES_ROOT is not, as on
# Windows, the user's classes over the machine's. A copy of the user's entry, for this run only,
# gives the logging program the view it has on Windows.
run reg copy "HKCU\\$classKey" "HKLM\\$classKey" /s /f >/dev/null
cat >"$work/score.txt" <<SCRIPT
load $folder\\Marovinta.dll
open $work/log.sqlite
own JO62QM
run
add DL1ABC 14 CW 599 JO31
quit
SCRIPT
transcript=$(run "$logger" "$(windows_path "$work/score.txt")")
run reg delete "HKLM\\$classKey" /f >/dev/null
grep -qxF 'add DL1ABC 14 CW 599 JO31 -> 31' <<<"$transcript" ||
  fail "the QSO was not scored:"$'\n'"$transcript"
if grep -q '^message box:' <<<"$transcript"; then
  fail "the plug-in reported an error:"$'\n'"$transcript"
fi

echo "installer test: silent uninstallation"
uninstall "$folder"
expect_same "the files" "$filesBefore" "$(files)"
expect_same "the registry keys (but the logging program's settings)" "$keysBefore" \
  "$(keys | grep -v "$loggerKeys")"
leftovers=$(grep -i -n 'marovinta\|FFEE21AA' "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" ||
  true)
[ -z "$leftovers" ] || fail "registry entries of ours left:"$'\n'"$leftovers"

for owner in HKLM HKCU; do
  echo "installer test: into the logging program's folder, beside its own component ($owner)"
  ownClass="$owner\\$classKey"
  run reg add "$ownClass\\InprocServer32" /ve /d 'C:\Logger\LoggerDistance.dll' /f >/dev/null
  run reg add "$ownClass\\InprocServer32" /v ThreadingModel /d Both /f >/dev/null
  classBefore=$(run reg query "$ownClass" /s)
  keysBefore=$(keys)
  filesBefore=$(files)
  plugins='C:\Logger\Plugins'
  run "$(windows_path "$setup")" /S "/D=$plugins" || fail "the installer failed"
  [ -f "$(unix_path "$plugins\\Marovinta.dll")" ] || fail "Marovinta.dll is not in $plugins"
  expect_same "the logging program's registration" "$classBefore" "$(run reg query "$ownClass" /s)"
  if [ "$owner" == HKLM ] && key_exists "HKCU\\$classKey"; then
    fail "the component is registered for the user over the logging program's own"
  fi
  uninstall "$plugins"
  expect_same "the logging program's registration" "$classBefore" "$(run reg query "$ownClass" /s)"
  expect_same "the files" "$filesBefore" "$(files)"
  expect_same "the registry keys" "$keysBefore" "$(keys)"
  run reg delete "$owner\\$classKey" /f >/dev/null
done

if [ "$failures" -gt 0 ]; then
  echo "installer test: $failures checks failed" >&2
  exit 1
fi
echo "installer test: passed"
