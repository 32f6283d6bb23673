# Sourced by the Wine scripts: a private Wine prefix, HOME and virtual display per run.
# A booted template prefix is kept in $UMBRIX_WINE_CACHE and copied for every run.

: "${UMBRIX_WINE_CACHE:=${XDG_CACHE_HOME:-$HOME/.cache}/umbrix-wine}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8

umbrix_wine_template() {
  local template="$UMBRIX_WINE_CACHE/prefix"
  if [ ! -f "$template/.umbrix-ready" ]; then
    rm -rf "$template"
    mkdir -p "$UMBRIX_WINE_CACHE"
    WINEPREFIX="$template" wineboot -i >/dev/null 2>&1
    # Without a window manager every hide would stall about two seconds unless unmanaged.
    WINEPREFIX="$template" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    WINEPREFIX="$template" wineserver -w
    touch "$template/.umbrix-ready"
  fi
  echo "$template"
}

# Sets WINEPREFIX, HOME, DISPLAY and UMBRIX_RUN_DIR for one run; umbrix_wine_stop undoes it.
umbrix_wine_start() {
  local template
  template=$(umbrix_wine_template)
  UMBRIX_RUN_DIR=$(mktemp -d /tmp/umbrix-run.XXXXXX)
  cp -a "$template" "$UMBRIX_RUN_DIR/prefix"
  mkdir -p "$UMBRIX_RUN_DIR/home"
  export WINEPREFIX="$UMBRIX_RUN_DIR/prefix" HOME="$UMBRIX_RUN_DIR/home" UMBRIX_RUN_DIR
  if [ -z "${UMBRIX_KEEP_DISPLAY:-}" ]; then
    local display
    for display in $(seq 90 190); do
      [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
      Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
      UMBRIX_XVFB_PID=$!
      local tries=0
      while [ ! -e "/tmp/.X11-unix/X$display" ] && [ $tries -lt 100 ]; do sleep 0.05; tries=$((tries + 1)); done
      if kill -0 "$UMBRIX_XVFB_PID" 2>/dev/null; then export DISPLAY=":$display"; break; fi
    done
  fi
}

umbrix_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
  [ -n "${UMBRIX_XVFB_PID:-}" ] && kill "$UMBRIX_XVFB_PID" 2>/dev/null && wait "$UMBRIX_XVFB_PID" 2>/dev/null
  [ -n "${UMBRIX_RUN_DIR:-}" ] && rm -rf "$UMBRIX_RUN_DIR"
  return 0
}
