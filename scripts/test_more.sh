#!/usr/bin/env bash
# The runs that `make test` leaves out for time: the unit tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the 32-bit build and its
# PE check, and the end-to-end tests in an English locale.
set -uo pipefail
cd "$(dirname "$0")/.."
failed=0
cmake --preset asan >/dev/null && cmake --build --preset asan -j 2 && ctest --preset asan || failed=1
cmake --preset win32 >/dev/null && cmake --build --preset win32 -j 2 &&
  bash tests/pe/check_pe.sh build/win32/src/win32/KX_RuvoZava.exe || failed=1
E2E_LOCALE=en_US.UTF-8 scripts/with_xvfb.sh tests/e2e/run_all.sh build/win64 || failed=1
exit $failed
