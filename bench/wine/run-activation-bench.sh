#!/usr/bin/env bash
# Runs the activation benchmark under Wine: a private prefix, HOME and virtual display
# (scripts/wine-env.sh), Umbrix.exe started from C:\umbrix with a fresh settings file (default
# hotkeys, hide-all), then activation_bench.exe, which prints the figures. Everything it started
# is stopped when it ends, whether it succeeded or not.
#
#   run-activation-bench.sh UMBRIX_EXE ACTIVATION_BENCH_EXE [bench options...]
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 UMBRIX_EXE ACTIVATION_BENCH_EXE [--rounds N] [--warmup N] [--windows N]" >&2
  exit 2
fi
umbrixExe=$1
benchExe=$2
shift 2

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/wine-env.sh
. "$here/../../scripts/wine-env.sh"

umbrixPid=
stopEverything() {
  if [ -n "$umbrixPid" ]; then kill "$umbrixPid" 2>/dev/null || true; fi
  umbrix_wine_stop
  if [ -n "$umbrixPid" ]; then wait "$umbrixPid" 2>/dev/null || true; fi
}
trap stopEverything EXIT
trap 'exit 130' INT TERM
umbrix_wine_start

programFolder="$WINEPREFIX/drive_c/umbrix"
mkdir -p "$programFolder"
cp "$umbrixExe" "$programFolder/Umbrix.exe"
# Wine shows its notification area as a titled window of its own, which Umbrix would hide with
# the 50 (Windows' task bar has no title): it is excluded, as a user would, through Exclude.ini.
python3 "$here/../../tests/e2e/exclusion_file.py" "$programFolder/Exclude.ini" "Wine System Tray"
# Output through files: a Wine process holding the caller's pipe would keep it open.
wine "$programFolder/Umbrix.exe" >"$UMBRIX_RUN_DIR/umbrix.log" 2>&1 </dev/null &
umbrixPid=$!

status=0
wine "$benchExe" "$@" >"$UMBRIX_RUN_DIR/bench.out" 2>"$UMBRIX_RUN_DIR/bench.err" </dev/null || status=$?
cat "$UMBRIX_RUN_DIR/bench.out"
cat "$UMBRIX_RUN_DIR/bench.err" >&2
exit "$status"
