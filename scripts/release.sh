#!/usr/bin/env bash
# Makes the release in dist/: the installer, a zip for installing by hand (the two DLLs and
# docs/install-windows.md, in a folder named after the release) and the SHA-256 sums of both.
# The installer's Wine test runs first: no release whose installer does not work.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-side.sh

scripts/setup.sh all
if kernel_refuses_32_bit; then
  echo "release: no release made: $windows_side_refused" >&2
  echo "release: its installer must pass its test under Wine first." >&2
  exit 1
fi
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win -j"$(nproc)" --target installer version-info marovinta-host
ctest --test-dir build/win/installer --output-on-failure

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win/CMakeCache.txt)
release=Marovinta-$version
built=build/win/installer/release

rm -rf dist
mkdir -p "dist/$release"
cp "$built/$release-setup.exe" dist/
cp "$built/Marovinta.dll" "$built/DistanceServer.dll" docs/install-windows.md "dist/$release/"
# Dated by the last commit, so the same sources give the same zip.
export TZ=UTC
commitTime=$(git log -1 --format=%cd --date=format-local:'%Y-%m-%d %H:%M:%S' 2>/dev/null ||
  date '+%Y-%m-%d %H:%M:%S')
(cd dist && cmake -E tar cf "$release.zip" --format=zip --mtime="$commitTime UTC" "$release")
rm -rf "dist/$release"
(cd dist && sha256sum "$release-setup.exe" "$release.zip" >SHA256SUMS)
ls -l dist
