#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again: it only installs what is missing.
set -euo pipefail

native=(cmake g++ make pkg-config libgtest-dev libgmock-dev googletest libbenchmark-dev libexpat1-dev
        sqlite3 libsqlite3-dev unixodbc unixodbc-dev libsqliteodbc libhamlib-dev python3-jsonschema time
        clang libclang-rt-14-dev nlohmann-json3-dev clang-format)
# The Windows build and its tests under Wine, whose windows lay text out in Wine's own fonts.
windows=(g++-mingw-w64-i686 mingw-w64-i686-dev wine wine32:i386 nsis
         libodbc2:i386 libodbcinst2:i386 libsqliteodbc:i386 fonts-wine fonts-liberation)
pictures=(xvfb xauth imagemagick librsvg2-bin xdotool chromium)

want=("${native[@]}")
case "${1:-all}" in
  native) ;;
  tests) want+=("${windows[@]}") ;;
  all) want+=("${windows[@]}" "${pictures[@]}") ;;
  *) echo "usage: $0 [native|tests|all]" >&2; exit 2 ;;
esac

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if [[ " ${want[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
