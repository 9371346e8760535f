#!/usr/bin/env bash
# Every pack in a folder must pass kxd and dump back to its CSV.
#   packs_roundtrip.sh KXD DIR
set -euo pipefail
kxd=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for csv in "$2"/*.csv; do
  if (($(wc -l <"$csv") > 1)); then
    kxd_file="$out/$(basename "${csv%.csv}").kxd"
    "$kxd" build "$csv" -o "$kxd_file"
    "$kxd" check "$kxd_file"
    # What dump writes, less Excel's mark and CR, is the CSV it came from.
    "$kxd" dump "$kxd_file" | sed '1s/^\xEF\xBB\xBF//' | tr -d '\r' | cmp - "$csv"
  fi
done
