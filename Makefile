# One command per job; each installs what it needs on a fresh Debian machine.
BUILD ?= build
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
BASE_PACKAGES = cmake make g++ libgtest-dev libbenchmark-dev
WINDOWS_PACKAGES = g++-mingw-w64-x86-64-posix mingw-w64-tools
WINE_PACKAGES = wine wine64

.PHONY: all build test demo bench clean windows

all: build

deps:
	@scripts/need-packages $(BASE_PACKAGES)

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j $(JOBS) | grep -v "^\[" || true

# Builds everything and runs every test.
test: build windows
	@scripts/need-packages $(WINE_PACKAGES)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The five .mexw64 modules for MATLAB on Windows, and stand-ins to run them
# under Wine, in dist/win64.
$(BUILD)/win64/CMakeCache.txt: | deps
	@scripts/need-packages $(WINDOWS_PACKAGES)
	cmake -S . -B $(BUILD)/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
		-DCMAKE_BUILD_TYPE=Release

windows: deps $(BUILD)/win64/CMakeCache.txt
	@scripts/need-packages $(WINDOWS_PACKAGES)
	cmake --build $(BUILD)/win64 -j $(JOBS)
	cmake --install $(BUILD)/win64 --prefix dist/win64

# The main job: a measurement on the simulated board.
demo: build
	cd $(BUILD) && ./examples/demo_session

bench: build
	$(BUILD)/bench/command_bench

clean:
	rm -rf $(BUILD) dist
