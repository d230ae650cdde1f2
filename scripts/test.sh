#!/usr/bin/env bash
# Installs what is missing, builds the native and the Windows configuration, runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/setup.sh tests

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs"

cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win -j"$jobs"

# The Windows tests run under Wine, in the build tree's own prefix, with one Wine server kept
# alive for the whole run (each test is a process of its own).
export WINEPREFIX=$PWD/build/win/wineprefix
scripts/wine-prefix.sh "$WINEPREFIX"
wineserver -p || true  # already kept alive by an earlier run: use that one
trap 'wineserver -k || true' EXIT
ctest --test-dir build/win --output-on-failure -j"$jobs"
