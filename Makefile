# The two commands of the README, and the long runs `make test` leaves out.
# Each installs what is missing first.
.PHONY: run test dist fuzz soak test-more mutants format clean

FUZZ_SECONDS ?= 60
SOAK_TICKS ?= 1000000

run:
	scripts/run.sh

test:
	scripts/test.sh

# The downloads for Windows, in dist/.
dist:
	scripts/dist.sh

# Each fuzzer for FUZZ_SECONDS seconds (make fuzz FUZZ_SECONDS=600).
fuzz:
	scripts/setup.sh && scripts/fuzz.sh $(FUZZ_SECONDS)

# The leak check for SOAK_TICKS ticks through the real Windows services and shell.
soak:
	scripts/setup.sh && cmake --preset win64 >/dev/null && cmake --build --preset win64 -j 2 --target kx_leak_check
	WINEDEBUG=-all WINEPREFIX=$(CURDIR)/build/wine-tests scripts/with_xvfb.sh wine build/win64/tests/win32/kx_leak_check.exe $(SOAK_TICKS)

test-more:
	scripts/setup.sh && scripts/test_more.sh

# Faults planted one at a time; those the native tests miss are printed.
# make mutants MUTANTS="--changed" (or files, --sample N --seed S).
mutants:
	scripts/setup.sh && python3 tools/mutants/mutants.py $(MUTANTS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build dist
