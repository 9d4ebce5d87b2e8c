#!/usr/bin/env bash
# Runs the benchmark programs under Wine (Wine already running, real registry).
source "$(dirname "$0")/common.sh"

install_packages
build_all
trap stop_all EXIT
start_xvfb
start_wine unmanaged
wine "$BUILD/win64/tests/quarvel_bench.exe" >"$BUILD/bench.txt" 2>&1 </dev/null || true
wine "$BUILD/win64/tests/quarvel_restrictions_bench.exe" >>"$BUILD/bench.txt" 2>&1 </dev/null || true
wine "$BUILD/win64/tests/quarvel_transfer_bench.exe" >>"$BUILD/bench.txt" 2>&1 </dev/null || true
cat "$BUILD/bench.txt"
