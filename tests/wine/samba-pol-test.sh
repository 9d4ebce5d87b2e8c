#!/usr/bin/env bash
# The Registry.pol files Quarvel.exe writes, read by Samba's own parser (what a
# domain controller uses), not by ours: /politicas' two files, and the
# non-administrators' local policy object an import with /para:comuns writes.
# Argument: Quarvel.exe.
set -uo pipefail
program="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
object="$WINEPREFIX/drive_c/windows/system32/GroupPolicyUsers/S-1-5-32-545"
trap 'rm -rf "$work" "$object"' EXIT
printf 'QV0101\r\nQV02jogo.exe\r\nQV03Jogos\r\nQVa8http://escola\r\n' >"$work/lab.qvc"
lab=$(winepath -w "$work/lab.qvc")
companion=$(winepath -w "$(dirname "$program")/DErodu.exe")
[[ $companion == *DErodu.exe ]] || fail "winepath gave $companion"
# Prints each entry as key|value|type|data (texts decoded), Samba's reading.
entries() {
    /usr/bin/python3 - "$1" <<'PY' || fail "Samba could not read $1"
import sys
from samba.dcerpc import preg
from samba.ndr import ndr_unpack
pol = ndr_unpack(preg.file, open(sys.argv[1], 'rb').read())
for e in pol.entries:
    data = e.data if isinstance(e.data, (int, str)) else bytes(e.data).hex()
    print(f"{e.keyname}|{e.valuename}|{e.type}|{data}")
PY
}
expect() {  # file, entry
    grep -qxF "$2" <<<"$(entries "$1")" || fail "$1 lacks $2; Samba read: $(entries "$1")"
}
policies='Software\Microsoft\Windows\CurrentVersion\Policies'
wine "$program" /politicas "$lab" "$(winepath -w "$work/gpo")" >/dev/null 2>&1 </dev/null ||
    fail "/politicas ended with $?"
expect "$work/gpo/User/Registry.pol" "$policies\\Explorer|NoDeletePrinter|4|1"
expect "$work/gpo/User/Registry.pol" "$policies\\Explorer\\RestrictRun|6|1|jogo.exe"
expect "$work/gpo/User/Registry.pol" "$policies\\Explorer\\RestrictRun|**delvals.|1| "
# The blocking companion starts for the users the object restricts, not for every account.
expect "$work/gpo/User/Registry.pol" "$policies\\Explorer\\Run|TvalueT|1|\"$companion\""
wine "$program" /importar "$lab" /para:comuns >/dev/null 2>&1 </dev/null || fail "/importar ended with $?"
expect "$object/User/Registry.pol" "$policies\\Explorer|NoDeletePrinter|4|1"
expect "$object/User/Registry.pol" "$policies\\Explorer\\RestrictRun|6|1|jogo.exe"
expect "$object/User/Registry.pol" "Software\\Microsoft\\Internet Explorer\\Main|Start Page|1|http://escola"
wine "$program" /desfazer >/dev/null 2>&1 </dev/null
echo "Samba reads every policy file as written"
