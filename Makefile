# Quick start: `make demo` and `make test` install what is missing, build and run.
BUILD ?= build
# The program alone, without tests: for the demo, install and package.
APP_BUILD ?= build-app
PREFIX ?= /usr/local
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
WINDOWS_BUILD ?= build-windows
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
FUZZ_SHORT_SECONDS ?= 20
# Clean builds (CI, a fresh clone) parse the big headers once per target;
# PRECOMPILED_HEADERS=OFF suits ccache, which skips such files.
PRECOMPILED_HEADERS ?= ON
HEADERS = -DQUAVERTON_PRECOMPILED_HEADERS=$(PRECOMPILED_HEADERS)

.PHONY: deps deps-program build app demo install package test test-plain test-asan fuzz-build fuzz fuzz-short bench \
	screenshot clean windows test-windows package-windows screenshot-windows

deps:
	@bash scripts/install-deps.sh all

deps-program:
	@bash scripts/install-deps.sh program

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(HEADERS)
	cmake --build $(BUILD) -j $(JOBS)

app: deps-program
	@bash scripts/build-program.sh $(APP_BUILD) $(JOBS)

demo: app
	@bash scripts/demo.sh $(APP_BUILD)/quaverton examples/demo/demo.asm $(APP_BUILD)/demo-out

# DESTDIR, when set, is put before PREFIX, as packaging tools expect.
install: app
	cmake --install $(APP_BUILD) --prefix $(PREFIX)

package: app
	cd $(APP_BUILD) && cpack -G DEB

test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUAVERTON_SANITIZE=ON $(HEADERS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The short fuzz runs and the Windows build come last, once the ordinary
# tests have passed.
test: test-plain test-asan
	$(MAKE) fuzz-short
	$(MAKE) test-windows

# The Windows program (headless without a Qt for Windows) and the test
# programs that need no Qt, cross-built with MinGW-w64. Lightly optimised:
# the programs run only briefly under Wine, and the build is a quarter faster.
windows: deps
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG" \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake $(HEADERS)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# Runs them under Wine, the golden projects included (scripts/test-windows.sh).
test-windows: windows
	bash scripts/test-windows.sh $(WINDOWS_BUILD)

# build-windows/quaverton-VERSION-win64.zip and quaverton-VERSION-setup.exe
# (scripts/package-windows.sh, Debian's NSIS).
package-windows: windows
	cmake --build $(WINDOWS_BUILD) --target package_windows

# docs/workbench-windows.png: the Win32 window under Wine on a virtual display.
screenshot-windows: windows
	bash scripts/screenshot-windows.sh $(WINDOWS_BUILD) docs/workbench-windows.png

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUAVERTON_FUZZ=ON -DQUAVERTON_TESTS=OFF -DQUAVERTON_WITH_WINDOW=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target quaverton_fuzzers

# Each target for FUZZ_SECONDS; any finding fails.
fuzz: fuzz-build
	bash tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

fuzz-short: fuzz-build
	bash tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SHORT_SECONDS)

screenshot: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target workbench_screenshot
	@bash scripts/screenshot.sh $(BUILD)/workbench_screenshot docs/workbench.png

# The figures beside those of the commit this one was branched from
# (BENCH_BASELINE to name another), both run here back to back.
bench: build
	@bash bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(APP_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)
