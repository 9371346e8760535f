#!/usr/bin/env bash
# End-to-end tests of the real KX_RuvoZava.exe under Wine on Xvfb, every
# scenario once with a Japanese and once with an English locale. Usage:
#   tests/e2e/run_all.sh BUILD_DIR [SCENARIO...]   (a win64 build folder)
# Scenarios: single_copy ticker startup_variants settings_window load_file
# dist_zip (the last needs the zips in dist/).
# Prints one line per check and "N passed, N failed"; exits non-zero when a
# check failed. Screenshots go to BUILD_DIR/e2e/screens. E2E_LOCALES="ja_JP.UTF-8"
# runs one locale only. The ticker and the settings window then run once more
# on a screen of 144 dpi (150 %), E2E_DPIS="144 192" picks the resolutions.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_start "${1:?usage: run_all.sh BUILD_DIR [SCENARIO...]}"
shift
scenarios=("$@")
[[ ${#scenarios[@]} -gt 0 ]] ||
  scenarios=(single_copy ticker startup_variants settings_window load_file dist_zip)

for locale in ${E2E_LOCALES:-ja_JP.UTF-8 en_US.UTF-8}; do
  use_locale "$locale"
  for scenario in "${scenarios[@]}"; do
    source "$here/$scenario.sh"
  done
done
for scale in ${E2E_DPIS-144}; do
  use_dpi "$scale"
  use_locale ja_JP.UTF-8
  for scenario in ticker settings_window; do source "$here/$scenario.sh"; done
done
wineserver -k 2>/dev/null
e2e_summary
