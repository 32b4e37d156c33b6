#!/usr/bin/env bash
# check-imports.sh OBJDUMP FILE
# A module may import system DLLs and msvcrt.dll only, and never the four
# functions that it reaches through its own slots.
set -euo pipefail
objdump=$1
file=$2
dump=$("$objdump" -p "$file")
dlls=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || { echo "no import table read from $file"; exit 1; }
status=0
allowed='^(kernel32|user32|gdi32|advapi32|shell32|shlwapi|comctl32|comdlg32|version|winmm|imagehlp|ntdll|ole32|msvcrt)\.dll$'
while read -r dll; do
  if ! printf '%s\n' "$dll" | tr 'A-Z' 'a-z' | grep -qE "$allowed"; then
    echo "$file imports $dll, which is not a system DLL"
    status=1
  fi
done <<<"$dlls"
for name in EncodePointer DecodePointer FindActCtxSectionStringA FindActCtxSectionStringW; do
  if printf '%s\n' "$dump" | grep -qE "^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+$name\$"; then
    echo "$file imports $name"
    status=1
  fi
done
[ $status -eq 0 ] && echo "$file imports: $(echo $dlls)"
exit $status
