#!/usr/bin/env bash
# Builds Quarvel and its companions (64-bit only) and starts it under Wine on
# this display; with no display, takes the screenshot tour of every screen
# under Xvfb into build/screens instead.
source "$(dirname "$0")/common.sh"

install_packages
trap stop_all EXIT
if [ -z "${DISPLAY:-}" ]; then
    build_win64 "${PROGRAMS[@]}" quarvel_tour
    start_xvfb
    start_wine unmanaged
    take_screenshots "$BUILD/screens"
    echo "No display here: Quarvel ran under Xvfb; open the pictures in $BUILD/screens"
else
    build_win64 "${PROGRAMS[@]}"
    start_wine
    wine "$BUILD/win64/Quarvel.exe"
fi
