#!/usr/bin/env bash
# The runs that `make test` leaves out for time: the unit tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the 32-bit build and its
# PE check, and the end-to-end tests in an English locale.
set -uo pipefail
cd "$(dirname "$0")/.."
failed=0
scripts/build.sh asan && ctest --preset asan || failed=1
scripts/build.sh win32 && bash tests/pe/check_pe.sh build/win32/src/win32/KX_RuvoZava.exe || failed=1
E2E_LOCALE=en_US.UTF-8 scripts/with_xvfb.sh tests/e2e/run_all.sh build/win64 || failed=1
exit $failed
