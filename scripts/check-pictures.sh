#!/usr/bin/env bash
# Checks a small simulated contest, as the README shows it, and saves a picture of the check's
# HTML summary rendered by headless Chromium as docs/check-summary.png. The contest and the
# check's files stay in build/check-demo/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/setup.sh all
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j"$(nproc)" --target marovinta-check marovinta-contest >/dev/null

work=build/check-demo
rm -rf "$work"
mkdir -p "$work"
cd "$work"
"$root/build/native/simulator/marovinta-contest" --out contest --logs 15 --qsos 40 --seed 7 \
  --adif 0.25 --busted-calls 0.03 --busted-locators 0.03 --missing 0.03 --duplicates 0.02 \
  --clock-offsets 0.2
"$root/build/native/check/marovinta-check" --out result contest/logs || true

# Chromium refuses to run as root inside its sandbox; the page is our own file.
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1280,590 \
  --screenshot="$root/docs/check-summary.png" "file://$PWD/result/index.html" 2>/dev/null
echo "check-pictures: docs/check-summary.png"
