# Sourced by the Wine scripts and by the end-to-end harness (tests/e2e/harness.py): a private
# Wine prefix, HOME and virtual display per run. A booted template prefix is kept in
# $UMBRIX_WINE_CACHE and copied for every run.
#
#   umbrix_wine_start     sets WINEPREFIX, HOME, DISPLAY, UMBRIX_RUN_DIR and UMBRIX_XVFB_PID
#   umbrix_vnc_start      lets a person use the display through a VNC viewer (see below)
#   umbrix_wine_describe  prints those as NAME=value lines (for a caller in another language)
#   umbrix_wine_stop      ends every Wine process of the prefix, the VNC server, the display, and
#                         removes the run
#
# A run belongs to UMBRIX_OWNER_PID (default: this shell). Runs whose owner has died without
# stopping them (a test killed on its timeout) are cleaned up by the next start.

: "${UMBRIX_WINE_CACHE:=${XDG_CACHE_HOME:-$HOME/.cache}/umbrix-wine}"
: "${UMBRIX_RUN_ROOT:=${TMPDIR:-/tmp}}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8

# Boots the template once; parallel callers wait for the first one instead of booting twice.
# The name changes with what a booted prefix holds (v2: Wine's own fonts, which draw the
# caption buttons), so a template booted without them is not used.
umbrix_wine_template() {
  local template="$UMBRIX_WINE_CACHE/prefix-v2"
  mkdir -p "$UMBRIX_WINE_CACHE"
  (
    flock 9
    if [ ! -f "$template/.umbrix-ready" ]; then
      rm -rf "$template"
      WINEPREFIX="$template" wineboot -i >/dev/null 2>&1
      # Wine's own fonts (Debian's fonts-wine) are not found where the package puts them; in the
      # prefix's font folder they are, and Marlett draws the caption buttons.
      if [ -d /usr/share/wine/fonts ]; then
        cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.ttc "$template/drive_c/windows/Fonts/" 2>/dev/null || true
      fi
      # Without a window manager every hide would stall about two seconds unless unmanaged.
      WINEPREFIX="$template" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      WINEPREFIX="$template" wineserver -w
      touch "$template/.umbrix-ready"
    fi
  ) 9>"$UMBRIX_WINE_CACHE/lock"
  echo "$template"
}

# Ends runs whose owner process is gone.
umbrix_wine_sweep() {
  local run owner
  for run in "$UMBRIX_RUN_ROOT"/umbrix-run.*; do
    [ -f "$run/owner" ] || continue
    # Another suite may be stopping that run right now and remove it under our feet.
    owner=$(cat "$run/owner" 2>/dev/null) || continue
    [ -n "$owner" ] && kill -0 "$owner" 2>/dev/null && continue
    WINEPREFIX="$run/prefix" UMBRIX_RUN_DIR="$run" UMBRIX_XVFB_PID=$(cat "$run/xvfb" 2>/dev/null) \
      umbrix_wine_stop_run
  done
}

umbrix_wine_start() {
  umbrix_wine_sweep
  local template
  template=$(umbrix_wine_template) || return 1
  UMBRIX_RUN_DIR=$(mktemp -d "$UMBRIX_RUN_ROOT/umbrix-run.XXXXXX") || return 1
  echo "${UMBRIX_OWNER_PID:-$$}" >"$UMBRIX_RUN_DIR/owner"
  cp -a "$template" "$UMBRIX_RUN_DIR/prefix" || return 1
  mkdir -p "$UMBRIX_RUN_DIR/home"
  export WINEPREFIX="$UMBRIX_RUN_DIR/prefix" HOME="$UMBRIX_RUN_DIR/home" UMBRIX_RUN_DIR
  if [ -z "${UMBRIX_KEEP_DISPLAY:-}" ]; then
    umbrix_start_xvfb || return 1
  fi
  # A persistent server makes every later start quick; it leaves by itself a while after the
  # last Wine process of the prefix, should the stop never come.
  wineserver -p30 >/dev/null 2>&1
  # Start Wine's own services and desktop now, detached from the caller's output: started by
  # the first program under test they would inherit its pipes and hold them open.
  # Its output goes to the run's folder, so a start that fails can say why.
  local log="$UMBRIX_RUN_DIR/wine-start.log" status=0
  wine cmd.exe /c exit 0 >"$log" 2>&1 </dev/null || status=$?
  if [ $status -ne 0 ]; then
    # Seen once under load in a long series of starts, with nothing said: one more try, said
    # aloud, before the run counts as failed.
    echo "wine-env: the first Wine program of the run ended with $status; trying once more" >&2
    tail -n 20 "$log" >&2
    wine cmd.exe /c exit 0 >"$log" 2>&1 </dev/null || {
      status=$?
      echo "wine-env: Wine did not start in the run's prefix (exit $status)" >&2
      tail -n 20 "$log" >&2
      return 1
    }
  fi
}

# Xvfb picks a free display itself and writes its number once it accepts connections. Its
# screen is 1280x800 unless UMBRIX_XVFB_SCREEN says otherwise (WIDTHxHEIGHTxDEPTH).
umbrix_start_xvfb() {
  local numberFile="$UMBRIX_RUN_DIR/display" tries=0
  Xvfb -displayfd 3 -screen 0 "${UMBRIX_XVFB_SCREEN:-1280x800x24}" -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
  UMBRIX_XVFB_PID=$!
  echo "$UMBRIX_XVFB_PID" >"$UMBRIX_RUN_DIR/xvfb"
  while [ ! -s "$numberFile" ] && [ $tries -lt 200 ]; do
    kill -0 "$UMBRIX_XVFB_PID" 2>/dev/null || break
    sleep 0.05
    tries=$((tries + 1))
  done
  if [ ! -s "$numberFile" ]; then
    echo "wine-env: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(tr -d '[:space:]' <"$numberFile")" UMBRIX_XVFB_PID
}

# Serves the run's display to VNC viewers: x11vnc on a free port from 5900 up, on the loopback
# interface only (from another machine through an SSH tunnel), with VNC authentication by a
# random password. VNC passwords have eight characters; x11vnc reads it from a private file
# and removes it ("rm:"), so it never shows on a command line. Sets UMBRIX_VNC_PORT,
# UMBRIX_VNC_PASSWORD and UMBRIX_VNC_PID; the server ends with the run.
umbrix_vnc_start() {
  local passwordFile="$UMBRIX_RUN_DIR/vnc-password" portFile="$UMBRIX_RUN_DIR/vnc-port" tries=0 password=
  while [ ${#password} -lt 8 ]; do
    password+=$(head -c 64 /dev/urandom | LC_ALL=C tr -dc 'A-Za-z0-9')
  done
  UMBRIX_VNC_PASSWORD=${password:0:8}
  (umask 077 && printf '%s\n' "$UMBRIX_VNC_PASSWORD" >"$passwordFile") || return 1
  x11vnc -display "$DISPLAY" -localhost -autoport 5900 -passwdfile "rm:$passwordFile" -forever -shared -norc \
    -o "$UMBRIX_RUN_DIR/vnc.log" >"$portFile" 2>&1 </dev/null &
  UMBRIX_VNC_PID=$!
  echo "$UMBRIX_VNC_PID" >"$UMBRIX_RUN_DIR/vnc"
  # It prints PORT=<number> once it listens.
  while ! grep -q '^PORT=' "$portFile" && [ $tries -lt 200 ]; do
    kill -0 "$UMBRIX_VNC_PID" 2>/dev/null || break
    sleep 0.05
    tries=$((tries + 1))
  done
  UMBRIX_VNC_PORT=$(sed -n 's/^PORT=\([0-9]*\)$/\1/p' "$portFile")
  if [ -z "$UMBRIX_VNC_PORT" ]; then
    echo "wine-env: x11vnc did not start:" >&2
    tail -n 5 "$UMBRIX_RUN_DIR/vnc.log" "$portFile" >&2 2>/dev/null
    return 1
  fi
  export UMBRIX_VNC_PORT UMBRIX_VNC_PASSWORD UMBRIX_VNC_PID
}

umbrix_wine_describe() {
  local name
  for name in WINEPREFIX HOME DISPLAY UMBRIX_RUN_DIR UMBRIX_XVFB_PID UMBRIX_VNC_PORT UMBRIX_VNC_PID; do
    echo "$name=${!name:-}"
  done
}

# Any part of the run may be gone already (a run swept after its owner died, a server that has
# left by itself): no step fails, so a caller under `set -e` carries on.
umbrix_wine_stop_run() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  # The VNC server before the display it serves.
  local pid
  for pid in "$(cat "${UMBRIX_RUN_DIR:-/nonexistent}/vnc" 2>/dev/null || true)" "${UMBRIX_XVFB_PID:-}"; do
    if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then
      wait "$pid" 2>/dev/null || true
    fi
  done
  case "${UMBRIX_RUN_DIR:-}" in
    */umbrix-run.*) rm -rf "$UMBRIX_RUN_DIR" ;;
  esac
  return 0
}

umbrix_wine_stop() {
  umbrix_wine_stop_run
  unset UMBRIX_RUN_DIR UMBRIX_XVFB_PID UMBRIX_VNC_PORT UMBRIX_VNC_PASSWORD UMBRIX_VNC_PID
  return 0
}
