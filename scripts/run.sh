#!/usr/bin/env bash
# Builds Umbrix.exe and runs it under Wine: on the current X display, or on a virtual one
# (with a screenshot every few seconds in out/screen.png) when there is none.
# The program runs from out/Umbrix/, where it keeps its QZ.ini between runs.
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset windows
cmake --build --preset windows -j"$(nproc)" --target Umbrix
mkdir -p out/Umbrix
cp build/windows/src/platform/win32/app/Umbrix.exe out/Umbrix/Umbrix.exe
exe="$PWD/out/Umbrix/Umbrix.exe"

export WINEDEBUG=-all
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe"
fi

. scripts/wine-env.sh
trap umbrix_wine_stop EXIT
umbrix_wine_start
echo "No display: running on the virtual display $DISPLAY; screenshots go to out/screen.png."
echo "Stop with Ctrl+C."
wine "$exe" &
program=$!
sleep 1
while kill -0 "$program" 2>/dev/null; do
  import -window root out/screen.png 2>/dev/null || true
  sleep 3
done
wait "$program"
