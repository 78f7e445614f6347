# One command per job; each installs what it needs on a fresh Debian machine.
BUILD ?= build
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
BASE_PACKAGES = cmake make g++ libgtest-dev libbenchmark-dev

.PHONY: all build test demo bench clean

all: build

deps:
	@scripts/need-packages $(BASE_PACKAGES)

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j $(JOBS) | grep -v "^\[" || true

# Builds everything and runs every test.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The main job: a measurement on the simulated board.
demo: build
	cd $(BUILD) && ./examples/demo_session

bench: build
	$(BUILD)/bench/command_bench

clean:
	rm -rf $(BUILD) dist
