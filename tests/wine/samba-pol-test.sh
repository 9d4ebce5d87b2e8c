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
# Prints each entry as key|value|type|data (texts decoded), Samba's reading,
# after a strict walk of our own (Samba's parser lets a wrong signature,
# version or delimiter pass): the 8 header bytes, then [key;value;type;size;data].
entries() {
    /usr/bin/python3 - "$1" <<'PY' || fail "$1 is not a whole Registry.pol"
import sys
from samba.dcerpc import preg
from samba.ndr import ndr_unpack
raw, at, count = open(sys.argv[1], 'rb').read(), 0, 0
def expect(what, n=2):  # the bytes there, then n bytes on
    global at
    if raw[at:at + len(what)] != what or at + n > len(raw): sys.exit(f"{sys.argv[1]}: not {what} at {at}")
    at += n
expect(b'PReg\x01\0\0\0', 8)
while at < len(raw):
    expect(b'[\0')
    for _ in range(2):  # key, value: null-terminated UTF-16LE
        while at + 2 <= len(raw) and raw[at:at + 2] != b'\0\0': at += 2
        expect(b'\0\0'); expect(b';\0')
    expect(b'', 4); expect(b';\0'); size = int.from_bytes(raw[at:at + 4], 'little')
    expect(b'', 4); expect(b';\0'); expect(b'', size); expect(b']\0'); count += 1
pol = ndr_unpack(preg.file, raw)
if len(pol.entries) != count: sys.exit(f"{sys.argv[1]}: Samba read {len(pol.entries)} of {count}")
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
