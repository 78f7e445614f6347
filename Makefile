# One command per job; each installs what it needs on a fresh Debian machine.
BUILD ?= build
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
BASE_PACKAGES = cmake make g++ libgtest-dev libbenchmark-dev
OCTAVE_PACKAGES = octave liboctave-dev
DEMO_PACKAGES = gnuplot-nox
OCTAVE_RUN = octave-cli --norc --quiet --no-history --no-window-system

.PHONY: all build test demo bench clean octave

all: build

deps:
	@scripts/need-packages $(BASE_PACKAGES)
	@scripts/need-packages $(OCTAVE_PACKAGES) || echo "Octave is missing: its modules and tests are left out" >&2

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j $(JOBS) | grep -v "^\[" || true

# Builds everything and runs every test.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

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
	rm -rf $(BUILD) dist
