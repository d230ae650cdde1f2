#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix: wine-run.sh PREFIX PROGRAM ARGS...
# The output goes through files, not pipes: Wine's background processes (started by the first
# program) inherit the program's output handles and would hold a pipe open long after it ends.
# Wine writes CR LF; the output comes out with plain line ends. The C locale gives the tests one
# ANSI code page, Windows-1252, whatever the machine's locale.
prefix=$1
shift
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
LC_ALL=C.UTF-8 WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:-fixme-all} wine "$@" </dev/null >"$out" 2>"$err"
status=$?
tr -d '\r' <"$out"
tr -d '\r' <"$err" >&2
exit $status
