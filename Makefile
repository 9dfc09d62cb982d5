# make run: build and start the program under Wine.  make test: build and run every test headless.
# make bench: build and run the benchmarks headless.
# make dist: build the portable zip, the installer and their checksums into dist/.
# The program is a 32-bit Windows program; where Wine cannot run 32-bit programs (a kernel
# without 32-bit support), it is built, run and tested as a 64-bit one.
ARCH ?= $(shell scripts/wine-arch)
BUILD_DIR ?= $(if $(filter x86_64,$(ARCH)),build-x86_64,build)
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench dist clean

all: build

deps:
	@scripts/install-deps $(ARCH)

build: deps
	@# A build folder made for the other architecture starts anew.
	@grep -qs "mingw-$(ARCH).cmake" $(BUILD_DIR)/CMakeCache.txt || rm -rf $(BUILD_DIR)
	@cmake -S . -B $(BUILD_DIR) -G "Unix Makefiles" \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$(ARCH).cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run-app $(BUILD_DIR)/bin/ZemTarvelix.exe

test: build
	@scripts/run-tests $(BUILD_DIR)

bench: build
	@scripts/run-bench $(BUILD_DIR)

dist: build
	@scripts/make-dist $(BUILD_DIR) dist

clean:
	rm -rf $(BUILD_DIR)
