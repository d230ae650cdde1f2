#!/usr/bin/env bash
# Fails, naming each file, when a C++ source does not stand as clang-format (with the root's
# .clang-format) writes it; `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
# One clang-format for all: it names each place that differs as "FILE:LINE:COLUMN: warning: ...".
unformatted=$(clang-format --dry-run "${sources[@]}" 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: \(warning\|error\): .*/\1/p' | sort -u)
if [ -n "$unformatted" ]; then
  echo "check-format: not as clang-format writes them (clang-format -i FILE mends one):" >&2
  sed 's/^/  /' <<<"$unformatted" >&2
  exit 1
fi
echo "check-format: ${#sources[@]} sources as clang-format writes them"
