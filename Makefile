# The two commands of this repository:
#   make demo   install what is missing, build everything, lay out dist/ and run the demo
#   make test   install what is missing, build everything and run every test
SHELL := /bin/bash

WERROR := $(if $(CI),ON,OFF)
CROSS := build/win32-release
NATIVE := build/native-asan
FUZZ_SECONDS ?= 300

.PHONY: all setup build build-cross build-check build-native test demo fuzz bench clean

all: build

setup:
	bash scripts/setup.sh

build-cross: setup
	cmake --preset win32-release -DKEELSON_WERROR=$(WERROR) >/dev/null
	cmake --build --preset win32-release

# The same sources for 64-bit Windows, run under 64-bit Wine (see README).
build-check: setup
	cmake --preset win64-check -DKEELSON_WERROR=$(WERROR) >/dev/null
	cmake --build --preset win64-check

build-native: setup
	cmake --preset native-asan -DKEELSON_WERROR=$(WERROR) -DKEELSON_FUZZ_SECONDS=5 >/dev/null
	cmake --build --preset native-asan

build: build-cross build-check build-native

test: build
	bash scripts/run-tests.sh

demo: build-cross
	bash scripts/demo.sh

# Runs every fuzz target for FUZZ_SECONDS seconds (default 300).
fuzz: build-native
	cmake -S . --preset native-asan -DKEELSON_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null
	ctest --test-dir $(NATIVE) -L fuzz --output-on-failure

# Benchmarks print figures; they assert nothing.
bench: build-cross
	xvfb-run -a cmake/wine-run.sh win32 $(CROSS)/wineprefix $(CROSS)/tests/testgame/testgame_idle_bench.exe

clean:
	rm -rf build dist
