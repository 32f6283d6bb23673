#!/usr/bin/env bash
# Runs one Windows test program under Wine in a private prefix and display, and returns its
# exit code. CMake uses it as the emulator for the cross-built tests.
set -u
. "$(dirname "$0")/wine-env.sh"
trap umbrix_wine_stop EXIT
umbrix_wine_start || { echo "wine-run: cannot prepare a private Wine prefix and display" >&2; exit 125; }
wine "$@"
