# One command per job; each installs what it needs on a fresh Debian machine.
BUILD ?= build
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
BASE_PACKAGES = cmake make g++ libgtest-dev libbenchmark-dev valgrind
FUZZ_PACKAGES = clang libclang-rt-dev

.PHONY: all deps build test test-sanitize test-fuzz demo bench clean

all: build

deps:
	@scripts/need-packages $(BASE_PACKAGES)

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

# The main job: a measurement on the simulated board.
demo: build
	cd $(BUILD) && ./examples/demo_session

bench: build
	$(BUILD)/bench/command_bench

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz dist
