# Shared by the run and test commands: packages, build, Xvfb and Wine.
# Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
PACKAGES=(wine wine64 g++-mingw-w64-x86-64 mingw-w64-tools cmake ninja-build g++ xvfb
          x11-utils imagemagick fonts-liberation libgtest-dev googletest clang libclang-rt-14-dev
          nsis g++-mingw-w64-i686 binutils-mingw-w64-i686 python3-samba)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

build_native() {
    cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$BUILD/native"
}

# The 64-bit build; with targets given, only those (the program and its
# companions are what a run needs), else everything with the installer.
build_win64() {
    cmake -S "$ROOT" -B "$BUILD/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$BUILD/win64" ${1:+--target "$@"}
}

build_all() {
    build_native
    build_win64
    # The 32-bit programs for older Windows: built here, tested as x86-64 only.
    cmake -S "$ROOT" -B "$BUILD/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-i686.cmake" >/dev/null
    cmake --build "$BUILD/win32" --target Quarvel DErodu limpaico Resgate
    cmake -S "$ROOT" -B "$BUILD/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_FUZZ=ON \
        -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address" >/dev/null
    cmake --build "$BUILD/fuzz" --target config_import_fuzz
}

PROGRAMS=(Quarvel DErodu limpaico Resgate)

XVFB_PID=""
start_xvfb() {
    local display=90
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$display"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

# A Wine prefix of the project's own, inside the build folder.
start_wine() {
    export WINEPREFIX="$BUILD/wineprefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export LC_ALL=C.UTF-8
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Preparing the Wine prefix $WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
    fi
    wineserver -p 2>/dev/null || true  # a server of this prefix may be running already
    if [ "${1:-}" = "unmanaged" ]; then
        # Xvfb has no window manager: without one, Wine waits two seconds for
        # one each time a window closes, unless its windows are unmanaged.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
    fi
    # A folder of the build stands for the floppy drive A:, so that the
    # floppy export and import can be tried for real.
    mkdir -p "$BUILD/floppy"
    ln -sfn "$BUILD/floppy" "$WINEPREFIX/dosdevices/a:"
    # Start Wine's own services now, detached from any pipe: started later by
    # a test, they would inherit CTest's output pipe and hold it open.
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

stop_all() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}

quietly() { "$@" >/dev/null 2>&1 </dev/null || true; }

# Starts Quarvel, waits for the window with the caption, saves it as name.png
# in the folder.
shoot() {
    local caption="$1" out="$2" name="$3"
    wine "$BUILD/win64/Quarvel.exe" >/dev/null 2>&1 </dev/null &
    for _ in $(seq 50); do
        xwininfo -name "$caption" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 0.5
    local id
    id=$(xwininfo -name "$caption" | awk '/Window id:/ {print $4}')
    import -window "$id" "$out/$name.png"
    quietly wineserver -k
    wineserver -w || true
    wineserver -p
}

# A PNG of every screen into the folder, under this display and a started
# Wine: the gate from Quarvel.exe itself, then the tour program, which opens
# every other screen in turn. Needs build_win64 with quarvel_tour.
take_screenshots() {
    local out="$1"
    local version_key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion'
    local user_key='HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion'
    mkdir -p "$out"
    quietly wine reg add "$user_key" /v Tb /d 0 /f
    quietly wine reg add "$version_key" /v SYSNOT /d segredo /f
    shoot "Digite o seu código-trava " "$out" lock-code
    quietly wine reg delete "$version_key" /v SYSNOT /f
    local tour="$BUILD/tour"
    # The tour runs from the tests folder: its screens look for their pictures there.
    rm -rf "$BUILD/win64/tests/images" "$tour"
    cp -r "$ROOT/images" "$BUILD/win64/tests/images"
    mkdir -p "$tour"
    wine "$BUILD/win64/tests/quarvel_tour.exe" "$(winepath -w "$tour")" >/dev/null 2>&1 </dev/null || true
    for bitmap in "$tour"/*.bmp; do
        [ -e "$bitmap" ] || continue
        convert "$bitmap" "$out/$(basename "$bitmap" .bmp).png"
    done
    echo "Screenshots of $(ls "$out"/*.png | wc -l) screens saved in $out"
}
