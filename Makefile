# The two commands of the README: `make run` and `make test`. Both set up, build, then run.
BUILD_DIR ?= $(CURDIR)/build
export BUILD_DIR
JOBS ?= $(shell nproc)
# The release programs are always 32-bit. Where this machine cannot run Wine's 32-bit half, the
# tests and the demo are also built as 64-bit programs, in $(BUILD_DIR)/x64, and run there.
TEST_ARCH = $(shell bash scripts/test-arch.sh)
# `make test TEST_DISPLAYS=n` sets how many tests that show windows run at once (kept in the cache).
# ccache (installed by the set-up) serves objects any clone of this project on the machine built before;
# its base folder is the clone, so that the cache's entries do not depend on where the clone lies.
CCACHE = -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR = $(CURDIR)
CONFIGURE = cmake -G Ninja -DCMAKE_BUILD_TYPE=Release $(CCACHE) $(if $(TEST_DISPLAYS),-DTEST_DISPLAYS=$(TEST_DISPLAYS)) >/dev/null
# How long each phase took; `make test` prints it at the end. One log per command: a `make run`
# beside a `make test` would otherwise reset the test's.
PHASE = bash scripts/phase-times.sh "$(BUILD_DIR)/phase-times-$(or $(firstword $(MAKECMDGOALS)),default).log"

.PHONY: setup configure build test run clean

setup:
	@$(PHASE) reset
	@$(PHASE) begin set-up
	@bash scripts/setup.sh
	@$(PHASE) end set-up

configure: setup
	@$(PHASE) begin configure
	@$(CONFIGURE) -S . -B "$(BUILD_DIR)" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
	@if [ "$(TEST_ARCH)" = x86_64 ]; then \
	  $(CONFIGURE) -S . -B "$(BUILD_DIR)/x64" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake; fi
	@$(PHASE) end configure

# Where the tests run as 64-bit programs, the 32-bit tree builds only the release programs and the
# stand-ins that the release check reads; the 64-bit tree builds everything else.
build: configure
	@$(PHASE) begin build
	@if [ "$(TEST_ARCH)" = x86_64 ]; then \
	  cmake --build "$(BUILD_DIR)" -j $(JOBS) --target release_check_inputs && \
	  cmake --build "$(BUILD_DIR)/x64" -j $(JOBS); \
	else cmake --build "$(BUILD_DIR)" -j $(JOBS); fi
	@$(PHASE) end build

test: build
	@$(PHASE) begin tests
	@bash scripts/run-tests.sh; status=$$?; \
	  $(PHASE) end tests; $(PHASE) report; exit $$status

run: build
	@bash scripts/run-panel.sh

clean:
	@bash scripts/wine-session.sh stop-all 2>/dev/null || true
	rm -rf "$(BUILD_DIR)"
