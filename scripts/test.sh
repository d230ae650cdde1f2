#!/usr/bin/env bash
# Installs what is missing, builds the native and the Windows configuration, runs every test.
# On a kernel that cannot execute 32-bit programs the Windows tests cannot run: the Windows
# configuration is still built, and the run ends by saying plainly what it did not run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-side.sh
jobs=$(nproc)

scripts/setup.sh tests
scripts/check-format.sh

windows_tests=yes windowsBuilt=no
kernel_refuses_32_bit && windows_tests=no
nativeLog=$(mktemp)
if [ "$windows_tests" = no ]; then
  say_what_did_not_run() {
    local status=$? summary
    summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of' "$nativeLog" || echo "not completed")
    rm -f "$nativeLog"
    local built="the Windows build (cross-compiled only)" notRun="the Windows build, "
    [ "$windowsBuilt" = yes ] && notRun="" || built="no Windows build: the run stopped before it"
    cat <<REPORT

================================================================================================
WINDOWS TESTS NOT RUN: $windows_side_refused
Run:     the native build and its tests; $built.
Not run: ${notRun}the Windows tests under Wine and the installer's test.
Native tests: $summary
================================================================================================
REPORT
    exit "$status"
  }
  trap say_what_did_not_run EXIT
else
  trap 'rm -f "$nativeLog"' EXIT
fi

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs" | tee "$nativeLog"

cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win -j"$jobs"
windowsBuilt=yes
[ "$windows_tests" = yes ] || exit 0

# The Windows tests run under Wine, in the build tree's own prefix, with one Wine server kept
# alive for the whole run (each test is a process of its own).
export WINEPREFIX=$PWD/build/win/wineprefix
scripts/wine-prefix.sh "$WINEPREFIX"
wineserver -p || true  # already kept alive by an earlier run: use that one
trap 'rm -f "$nativeLog"; wineserver -k || true' EXIT
ctest --test-dir build/win --output-on-failure -j"$jobs"
