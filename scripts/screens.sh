#!/usr/bin/env bash
# Saves a PNG of each screen into docs/screens/, under Xvfb and Wine.
source "$(dirname "$0")/common.sh"

install_packages
build_all
trap stop_all EXIT
start_xvfb
start_wine unmanaged
OUT="$ROOT/docs/screens"
mkdir -p "$OUT"
VERSION_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion'
USER_KEY='HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion'

quietly() { "$@" >/dev/null 2>&1 </dev/null || true; }

# Starts Quarvel, waits for the window with the caption, saves it as name.png.
shoot() {
    local caption="$1" name="$2"
    wine "$BUILD/win64/Quarvel.exe" >/dev/null 2>&1 </dev/null &
    for _ in $(seq 50); do
        xwininfo -name "$caption" >/dev/null 2>&1 && break
        sleep 0.2
    done
    sleep 0.5
    local id
    id=$(xwininfo -name "$caption" | awk '/Window id:/ {print $4}')
    import -window "$id" "$OUT/$name.png"
    echo "saved $OUT/$name.png"
    quietly wineserver -k
    wineserver -w || true
    wineserver -p
}

quietly wine reg add "$USER_KEY" /v Tb /d 0 /f
quietly wine reg add "$VERSION_KEY" /v SYSNOT /d segredo /f
shoot "Digite o seu código-trava " lock-code
quietly wine reg delete "$VERSION_KEY" /v SYSNOT /f

# Every other screen, opened one at a time by the tour program.
TOUR="$BUILD/tour"
# The tour runs from the tests folder: its screens look for their pictures there.
rm -rf "$BUILD/win64/tests/images"
cp -r "$ROOT/images" "$BUILD/win64/tests/images"
rm -rf "$TOUR"
mkdir -p "$TOUR"
wine "$BUILD/win64/tests/quarvel_tour.exe" "$(winepath -w "$TOUR")" >/dev/null 2>&1 </dev/null || true
for bitmap in "$TOUR"/*.bmp; do
    [ -e "$bitmap" ] || continue
    name=$(basename "$bitmap" .bmp)
    convert "$bitmap" "$OUT/$name.png"
    echo "saved $OUT/$name.png"
done
