#!/usr/bin/env bash
# Builds Umbrix.exe and runs it under Wine: on the current X display, or on a virtual one
# (with a screenshot every few seconds in out/screen.png) when there is none.
set -eu
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset windows
cmake --build --preset windows -j"$(nproc)" --target Umbrix
exe="$PWD/build/windows/src/platform/win32/app/Umbrix.exe"

export WINEDEBUG=-all
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe"
fi

. scripts/wine-env.sh
umbrix_wine_start
trap umbrix_wine_stop EXIT
mkdir -p out
echo "No display: running on the virtual display $DISPLAY; screenshots go to out/screen.png."
wine "$exe" &
program=$!
while kill -0 "$program" 2>/dev/null; do
  sleep 3
  import -window root out/screen.png 2>/dev/null || true
done
wait "$program"
