#!/usr/bin/env bash
# Prepares a Wine prefix (the folder in $WINEPREFIX) for running the program:
# created once, with the Japanese Gothic fonts that Debian ships standing in
# for the faces the program and the system dialogs ask for.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the prefix folder}"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

marker="$WINEPREFIX/.kx-fonts"
[[ -f "$marker" ]] && exit 0

mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 || true

reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for face in 'ＭＳ ゴシック' 'MS Gothic' 'MS UI Gothic' 'Tahoma' 'ＭＳ Ｐゴシック' 'MS PGothic'; do
    printf '"%s"="IPAGothic"\r\n' "$face"
  done
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
touch "$marker"
