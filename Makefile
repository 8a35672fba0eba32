# Entry points: `make run`, `make test` and `make fuzz`. All install the Debian packages first.
BUILD_DIR ?= build/release
JOBS      ?= $(shell nproc)
# the sub-makes of cmake --build would name their directory on every line pair
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build run test fuzz clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@bash scripts/run-main $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# libFuzzer runs of every reader, FUZZ_SECONDS each (clang build in build/fuzz)
FUZZ_SECONDS ?= 60
fuzz:
	@CALDORYNE_FUZZ=ON bash scripts/install-deps
	@bash fuzz/run-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
