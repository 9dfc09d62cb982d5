# make run: build and start the program under Wine.  make test: build and run every test headless.
# make bench: build and run the benchmarks headless.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD_DIR) -G "Unix Makefiles" \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run-app $(BUILD_DIR)/bin/ZemTarvelix.exe

test: build
	@scripts/run-tests $(BUILD_DIR)

bench: build
	@scripts/run-bench $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
