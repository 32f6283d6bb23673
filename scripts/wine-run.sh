#!/usr/bin/env bash
# Runs one Windows test program under Wine in a private prefix and display, and returns its
# exit code. CMake uses it as the emulator for the cross-built tests.
set -u
. "$(dirname "$0")/wine-env.sh"
umbrix_wine_start
trap umbrix_wine_stop EXIT
wine "$@"
