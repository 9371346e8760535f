# The two commands of the README. Both install what is missing first.
.PHONY: run test format clean

run:
	scripts/run.sh

test:
	scripts/test.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
