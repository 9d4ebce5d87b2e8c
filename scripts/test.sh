#!/usr/bin/env bash
# Builds everything and runs every test: natively, then under Wine in its
# own prefix and on its own Xvfb display. Ends with CTest's summary line.
source "$(dirname "$0")/common.sh"

install_packages
build_all
trap stop_all EXIT
start_xvfb
start_wine unmanaged

# One CTest run over both builds, so that one summary line covers them all.
cat > "$BUILD/CTestTestfile.cmake" <<CTEST
subdirs("native")
subdirs("win64")
subdirs("fuzz")
CTEST
cd "$BUILD"
ctest --output-on-failure --timeout 600 "$@"
