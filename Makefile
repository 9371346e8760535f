# The two commands of the README, and the long runs `make test` leaves out.
# Each target installs what it needs first (scripts/setup.sh, quick when all
# is there), and only here: the scripts assume it was done.
.PHONY: run test test-fresh dist fuzz soak test-more mutants format clean

FUZZ_SECONDS ?= 60
SOAK_TICKS ?= 1000000
SETUP = scripts/setup.sh

run:
	$(SETUP)
	scripts/run.sh

test:
	$(SETUP)
	scripts/test.sh

# The README's two commands on a bare Debian 12 root (debootstrap, a clone of
# HEAD); the root is cached under build/fresh-root.
test-fresh:
	$(SETUP) debootstrap debian-archive-keyring mount
	scripts/test_fresh.sh

# The downloads for Windows, in dist/.
dist:
	$(SETUP)
	scripts/dist.sh

# Each fuzzer for FUZZ_SECONDS seconds (make fuzz FUZZ_SECONDS=600).
fuzz:
	$(SETUP)
	scripts/fuzz.sh $(FUZZ_SECONDS)

# The leak check for SOAK_TICKS ticks through the real Windows services and shell.
soak:
	$(SETUP)
	scripts/build.sh win64 --target kx_leak_check
	WINEDEBUG=-all WINEPREFIX=$(CURDIR)/build/wine-tests scripts/with_xvfb.sh wine build/win64/tests/win32/kx_leak_check.exe $(SOAK_TICKS)

test-more:
	$(SETUP)
	scripts/test_more.sh

# Faults planted one at a time; those the native tests miss are printed.
# make mutants MUTANTS="--changed" (or files, --sample N --seed S, --only LIST --from C).
# lld links and ccache rebuilds the unchanged objects much faster.
mutants:
	$(SETUP) lld ccache
	python3 tools/mutants/mutants.py $(MUTANTS)

format:
	$(SETUP)
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build dist
