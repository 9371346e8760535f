#!/usr/bin/env bash
# check_pe.sh IMAGE.exe: the program file's hardening, read from its PE
# headers: ASLR (dynamic base and a relocation table), DEP, high-entropy
# ASLR on 64-bit, no section both writable and executable, system DLLs only.
set -uo pipefail
image=${1:?usage: check_pe.sh IMAGE.exe}
objdump=x86_64-w64-mingw32-objdump
headers=$($objdump -p "$image") || exit 1
sections=$($objdump -h "$image") || exit 1
failed=0
check() {
  if eval "$2"; then echo "ok    $1"; else echo "FAIL  $1"; failed=$((failed + 1)); fi
}
check "dynamic base (ASLR)" 'grep -qw DYNAMIC_BASE <<<"$headers"'
check "relocation table present" 'grep -qE "Base Relocation Directory" <<<"$headers"'
check "NX compatible (DEP)" 'grep -qw NX_COMPAT <<<"$headers"'
grep -q 'pei-x86-64' <<<"$sections" && check "high-entropy VA" 'grep -qw HIGH_ENTROPY_VA <<<"$headers"'
check "no writable and executable section" '! grep -E "CODE" <<<"$sections" | grep -qv READONLY'
foreign=$(sed -nE 's/^\s*DLL Name: (.*)/\L\1/p' <<<"$headers" | grep -vxE 'api-ms-win-.*|(kernel32|user32|gdi32|shell32|comdlg32|advapi32|msvcrt|version|ole32|comctl32|shlwapi|ntdll|uxtheme)\.dll')
check "only system DLLs imported ${foreign//$'\n'/ }" '[[ -z $foreign ]]'
[[ $failed -eq 0 ]]
