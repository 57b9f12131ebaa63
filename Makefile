# The two commands of the README: `make run` and `make test`. Both set up, build, then run.
BUILD_DIR ?= $(CURDIR)/build
export BUILD_DIR
JOBS ?= $(shell nproc)

.PHONY: setup configure build test run clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B "$(BUILD_DIR)" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build "$(BUILD_DIR)" -j $(JOBS)

test: build
	@bash scripts/run-tests.sh

run: build
	@bash scripts/run-panel.sh

clean:
	@bash scripts/wine-session.sh stop 2>/dev/null || true
	rm -rf "$(BUILD_DIR)"
