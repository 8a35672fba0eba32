# Two entry points: `make run` and `make test`. Both install the Debian packages first.
BUILD_DIR ?= build/release
JOBS      ?= $(shell nproc)

.PHONY: all deps configure build run test clean

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

clean:
	rm -rf build
