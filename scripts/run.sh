#!/usr/bin/env bash
# Builds Umbrix.exe and runs it under Wine.
#
#   bash scripts/run.sh          on the current X display. Without one, on a virtual display that
#                                a VNC viewer reaches (this machine only, with a password printed
#                                at start), beside Notepad to hide, with a screenshot every few
#                                seconds in out/screen.png; stop it with Ctrl+C.
#   bash scripts/run.sh --demo   on a private virtual display: a sample program's windows shown,
#                                gone on the hide hotkey, back on the unhide hotkey, with a
#                                screenshot of each step in out/demo/ and the README's picture
#                                docs/demo.png (the screen before and after the hide hotkey).
#
# The program runs from out/Umbrix/, where it keeps its QZ.ini between runs; the demo runs it
# from a fresh folder each time.
set -eu
cd "$(dirname "$0")/.."
demo=
case "${1:-}" in
  "") ;;
  --demo) demo=1 ;;
  *)
    echo "usage: bash scripts/run.sh [--demo]" >&2
    exit 2
    ;;
esac

bash scripts/install-deps.sh
cmake --preset windows
build=build/windows
umbrixExe=$build/src/program/Umbrix.exe

if [ -n "$demo" ]; then
  cmake --build --preset windows -j"$(nproc)" --target Umbrix probe wintool
  export UMBRIX_EXE="$PWD/$umbrixExe" UMBRIX_PROBE="$PWD/$build/tests/probe/probe.exe" \
    UMBRIX_WINTOOL="$PWD/$build/tests/e2e/tools/wintool.exe" UMBRIX_WINE_ENV="$PWD/scripts/wine-env.sh"
  exec python3 scripts/demo.py --out out/demo --picture docs/demo.png
fi

cmake --build --preset windows -j"$(nproc)" --target Umbrix
mkdir -p out/Umbrix
cp "$umbrixExe" out/Umbrix/Umbrix.exe
# The welcome page's document and images, which the build puts beside the executable.
mkdir -p out/Umbrix/images
cp "$(dirname "$umbrixExe")"/images/* out/Umbrix/images/
exe="$PWD/out/Umbrix/Umbrix.exe"

export WINEDEBUG=-all
if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe"
fi

. scripts/wine-env.sh
trap umbrix_wine_stop EXIT
umbrix_wine_start
umbrix_vnc_start
# Without a desktop Wine shows its tray as a titled window of its own, which the hide hotkey would
# take with the rest, and with it the only Wine window the keyboard reaches: the first run
# excludes it, as a user would (Windows' task bar is never hidden).
if [ ! -e out/Umbrix/Exclude.ini ]; then
  python3 tests/e2e/exclusion_file.py out/Umbrix/Exclude.ini "Wine System Tray"
fi
# The panic button's first place is the top-left corner, over that tray window: the first run
# puts it below Notepad instead (the user moves it from there through its menu).
if [ ! -e out/Umbrix/QZ.ini ]; then
  printf '[StartUp]\r\nPanicLeft=200\r\nPanicTop=530\r\n' > out/Umbrix/QZ.ini
fi
# Something to hide: Notepad, placed clear of the tray window (it reads its place from the
# registry).
for place in iWindowPosX=200 iWindowPosY=90 iWindowPosDX=640 iWindowPosDY=420; do
  wine reg add 'HKCU\Software\Microsoft\Notepad' /v "${place%=*}" /t REG_DWORD /d "${place#*=}" /f >/dev/null 2>&1
done
wine notepad >/dev/null 2>&1 </dev/null &

cat <<EOF
No display: Umbrix runs on the virtual display $DISPLAY. Use it through a VNC viewer:
  on this machine:       connect the viewer to localhost:$UMBRIX_VNC_PORT
  from another machine:  ssh -L $UMBRIX_VNC_PORT:localhost:$UMBRIX_VNC_PORT $(id -un)@$(hostname), then connect it to localhost:$UMBRIX_VNC_PORT
  password (shown only this once): $UMBRIX_VNC_PASSWORD
Umbrix's icon is in Wine's tray window at the top left (right-click it for the menu); the panic
button below Notepad does what Ctrl+Space does with one click (right-click it for its menu).
Ctrl+Space hides Notepad's window, Ctrl+Backspace brings it back.
A screenshot every few seconds goes to out/screen.png. Stop with Ctrl+C.
EOF
wine "$exe" </dev/null &
program=$!
sleep 1
while kill -0 "$program" 2>/dev/null; do
  import -window root out/screen.png 2>/dev/null || true
  sleep 3
done
wait "$program"
