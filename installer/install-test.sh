#!/usr/bin/env bash
# Under Wine: the installer in silent mode into a fresh prefix puts the files
# in place, the installed Quarvel.exe starts, and the uninstaller removes what
# it should and nothing else. Argument: the installer. The fresh prefix is a
# copy of the prepared one that the test command runs in ($WINEPREFIX).
set -euo pipefail
setup="$1"
prepared="${WINEPREFIX:?the test command sets up a Wine prefix}"
export WINEPREFIX="$(mktemp -d /tmp/quarvel-install-XXXXXX)"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() { wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"; }
trap cleanup EXIT
cp -a "$prepared/." "$WINEPREFIX/"
rm -f "$WINEPREFIX/wineserver"
quiet() { "$@" >/dev/null 2>&1 </dev/null; }
fail() { echo "FAIL: $*" >&2; exit 1; }

folder="$WINEPREFIX/drive_c/Program Files/Quarvel"
quiet wine "$(winepath -w "$setup")" /S || fail "the installer did not end well"
for file in Quarvel.exe DErodu.exe limpaico.exe Resgate.exe Desinstalar.exe images; do
    [ -e "$folder/$file" ] || fail "$file is not installed"
done
ls "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quarvel/"*.lnk >/dev/null \
    || fail "no Start-menu entry"
quiet wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quarvel' \
    || fail "no uninstaller registered"
[ -d "$WINEPREFIX/drive_c/ProgramData/Quarvel/Copias" ] || fail "no backup folder made"

# The installed program starts: its main menu shows.
quiet wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion' /v Tb /d 0 /f
wine "C:\\Program Files\\Quarvel\\Quarvel.exe" >/dev/null 2>&1 </dev/null &
shown=""
for _ in $(seq 50); do
    # The caption names the target: this account, whatever its name.
    if xwininfo -root -tree 2>/dev/null | grep -q '"Quarvel 2.0 - www.quarvel.com.br - Esta conta ('; then
        shown=yes
        break
    fi
    sleep 0.2
done
[ -n "$shown" ] || fail "the installed Quarvel.exe showed no main menu"
wineserver -k
wineserver -w || true

# What the program left: its logon entries go, the administrator's policy stays.
run='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
policy='HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer'
quiet wine reg add "$run" /v TvalueT /d 'C:\Program Files\Quarvel\DErodu.exe' /f
quiet wine reg add "$run" /v DelIconCache /d 'C:\Program Files\Quarvel\limpaico.exe' /f
quiet wine reg add "$policy" /v NoRun /t REG_DWORD /d 1 /f
backups="$WINEPREFIX/drive_c/ProgramData/Quarvel/Copias"
mkdir -p "$backups"
printf 'QV09Segredo\r\n' > "$backups/00000001.qvc"
# The uninstaller runs a copy of itself from the temporary folder: wait for
# every process of the prefix to end.
quiet wine "C:\\Program Files\\Quarvel\\Desinstalar.exe" /S
wineserver -w
[ ! -e "$folder/Quarvel.exe" ] || fail "Quarvel.exe is still there"
[ ! -e "$folder/images" ] || fail "the images are still there"
quiet wine reg query "$run" /v TvalueT && fail "TvalueT is still there"
quiet wine reg query "$run" /v DelIconCache && fail "DelIconCache is still there"
quiet wine reg query "$policy" /v NoRun || fail "the administrator's policy was removed"
[ ! -e "$backups" ] || fail "the backups, which hold the lock code, are still there"
quiet wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quarvel' \
    && fail "the uninstaller is still registered"
echo "installer test passed"
