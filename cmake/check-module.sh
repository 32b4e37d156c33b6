#!/usr/bin/env bash
# check-module.sh OBJDUMP NM FILE
# Reads a built module with binutils and checks what the loader will see:
# - it imports system DLLs and msvcrt.dll only;
# - it imports none of EncodePointer, DecodePointer, FindActCtxSectionStringA
#   and FindActCtxSectionStringW;
# - those four names resolve to slots inside the module's code section;
# - its entry point is ModuleEntry.
set -euo pipefail
objdump=$1
nm=$2
file=$3
status=0
problem() { echo "$file: $*"; status=1; }

dump=$("$objdump" -p "$file")
dlls=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || problem "no import table"
allowed='^(kernel32|user32|gdi32|advapi32|shell32|shlwapi|comctl32|comdlg32|version|winmm|imagehlp|ntdll|ole32|msvcrt)\.dll$'
while read -r dll; do
  printf '%s\n' "$dll" | tr 'A-Z' 'a-z' | grep -qE "$allowed" || problem "imports $dll, which is not a system DLL"
done <<<"$dlls"

symbols=$("$nm" "$file")
for name in EncodePointer DecodePointer FindActCtxSectionStringA FindActCtxSectionStringW; do
  if printf '%s\n' "$dump" | grep -qE "^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+$name\$"; then
    problem "imports $name"
  fi
  printf '%s\n' "$symbols" | grep -qE " [Tt] __imp__${name}@[0-9]+\$" || problem "no slot for $name in the code section"
done

entry=$("$objdump" -f "$file" | sed -n 's/^start address 0x0*//p')
module_entry=$(printf '%s\n' "$symbols" | sed -n 's/^0*\([0-9a-f]*\) T _ModuleEntry@12$/\1/p')
[ -n "$module_entry" ] && [ "$entry" = "$module_entry" ] || problem "entry point $entry is not ModuleEntry ($module_entry)"

[ $status -eq 0 ] && echo "$file: imports $(echo $dlls); entry ModuleEntry; four slots in code"
exit $status
