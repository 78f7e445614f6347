# One command per job; each installs what it needs on a fresh Debian machine.
BUILD ?= build
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
BASE_PACKAGES = cmake make g++ libgtest-dev libbenchmark-dev valgrind
OCTAVE_PACKAGES = octave liboctave-dev
DEMO_PACKAGES = gnuplot-nox
FUZZ_PACKAGES = clang libclang-rt-dev
OCTAVE_RUN = octave-cli --norc --quiet --no-history --no-window-system

.PHONY: all deps build test test-sanitize test-fuzz demo bench clean octave

all: build

deps:
	@scripts/need-packages $(BASE_PACKAGES)
	@scripts/need-packages $(OCTAVE_PACKAGES)

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# Builds everything and runs every test: the suite, then the native tests
# again under ASan and UBSan, then a bounded fuzz run of each command.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-sanitize test-fuzz

test-sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

test-fuzz: deps
	@scripts/need-packages $(FUZZ_PACKAGES)
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	ctest --preset fuzz -j $(JOBS)

# The five commands for Octave, with the board library and help files:
# addpath('dist/octave') is all a user types.
octave: build
	@test -d $(BUILD)/octave || { echo "Octave's mkoctfile was not found" >&2; exit 1; }
	rm -rf dist/octave && mkdir -p dist && cp -r $(BUILD)/octave dist/octave

# The main job: a measurement on the simulated board, run in Octave.
demo: octave
	@scripts/need-packages $(DEMO_PACKAGES)
	$(OCTAVE_RUN) examples/measurement.m $(BUILD)/demo

bench: build
	$(BUILD)/bench/command_bench

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz dist
