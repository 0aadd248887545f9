# Velmado: `make run` builds and starts it under Wine, `make test` runs the whole test suite,
# `make dist` leaves the Windows deliverables in dist/x64 and dist/x86.

.PHONY: all setup build run test dist format screenshots bench clean

all: build

setup:
	@tools/setup.sh

build: setup
	@tools/build.sh host x64 x86

run: setup
	@tools/build.sh x64
	@tools/run.sh

test: setup
	@tools/test.sh

dist: setup
	@tools/build.sh x64 x86
	@tools/dist.sh

bench: setup
	@tools/build.sh x64
	@bench/run.sh

format:
	@tools/format.sh --fix

screenshots: setup
	@tools/build.sh x64
	@tools/wine-session.sh tools/screenshots.sh

	@tools/build.sh x86

clean:
	rm -rf build dist
