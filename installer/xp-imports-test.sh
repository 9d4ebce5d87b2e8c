#!/usr/bin/env bash
# The 32-bit programs must start on Windows XP: none may import a function
# that came with a later Windows. Argument: the folder of the i686 build.
set -euo pipefail
folder="$1"
newer='GetTickCount64|SRWLock|ConditionVariable|InitOnce|GetFinalPathNameByHandle|CreateSymbolicLink|GetFileInformationByHandleEx|SetFileInformationByHandle|CompareStringEx|LCMapStringEx|LocaleNameToLCID|FlsAlloc|GetDpiFor|SetProcessDpiAwareness|TaskDialog|QueryFullProcessImageName|K32GetModuleFileNameEx'
status=0
for program in Quarvel DErodu limpaico Resgate; do
    exe="$folder/$program.exe"
    [ -f "$exe" ] || { echo "FAIL: $exe was not built"; status=1; continue; }
    found=$(i686-w64-mingw32-objdump -p "$exe" | grep -oE "$newer" | sort -u || true)
    if [ -n "$found" ]; then
        echo "FAIL: $program.exe imports what XP lacks: $found"
        status=1
    fi
done
[ $status -eq 0 ] && echo "the 32-bit programs import nothing newer than XP"
exit $status
