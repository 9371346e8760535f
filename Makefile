# The commands of the README. Each installs what is missing first.
.PHONY: run test dist format clean

run:
	scripts/run.sh

test:
	scripts/test.sh

# The downloads for Windows, in dist/.
dist:
	scripts/dist.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build dist
