#!/usr/bin/env bash
# Saves a PNG of each screen into docs/screens/ (the README's pictures),
# under Xvfb and Wine.
source "$(dirname "$0")/common.sh"

install_packages
build_win64 "${PROGRAMS[@]}" quarvel_tour
trap stop_all EXIT
start_xvfb
start_wine unmanaged
take_screenshots "$ROOT/docs/screens"
