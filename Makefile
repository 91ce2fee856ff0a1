# lottodesk: `make run` opens the desktop program, `make test` runs every test suite.
# Both install what the build needs first (`make deps`, Debian packages through apt-get).
# `make package` builds the Debian package, `make screenshots` the pictures of docs/screenshots/.

BUILD      = build
ASAN_BUILD = build-asan
BENCH_BUILD = build-bench
FUZZ_BUILD = build-fuzz
SOAK_BUILD = build-soak
WINDOWS_BUILD = build-windows
FUZZ_SECONDS ?= 30
SOAK_SECONDS ?= 180
JOBS       ?= 2
CMAKE_FLAGS ?=

# What building and running the programs need (`make run`); the tests, benchmarks, fuzzers and
# the package add theirs when they are asked for.
RUN_PACKAGES = cmake ninja-build g++ ccache pkg-config \
               qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libcurl4-openssl-dev \
               fonts-wqy-microhei
TEST_PACKAGES = libgtest-dev libgmock-dev xvfb xauth
BENCH_PACKAGES = libbenchmark-dev
FUZZ_PACKAGES = clang
PACKAGE_PACKAGES = dpkg-dev file fakeroot appstream desktop-file-utils

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps deps-test deps-bench deps-fuzz deps-package deps-windows build build-app run test test-engine test-gui \
        bench fuzz soak package screenshots windows clean

# What `make run` and the package need: the two programs and the download plug-in, not the tests.
APP_TARGETS = lottodesk lottodesk-cli prjdll

# Installs the Debian packages of $(PACKAGES) that are missing.
define install-packages
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install-packages,$(RUN_PACKAGES))
deps-test: deps
	$(call install-packages,$(TEST_PACKAGES))
deps-bench: deps-test
	$(call install-packages,$(BENCH_PACKAGES))
deps-fuzz: deps
	$(call install-packages,$(FUZZ_PACKAGES) $(TEST_PACKAGES))
deps-package: deps
	$(call install-packages,$(PACKAGE_PACKAGES))

# The build folders are the presets of CMakePresets.json: default (build/), asan, bench, fuzz.
$(BUILD)/build.ninja:
	cmake --preset default $(CMAKE_FLAGS)

build: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-app: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target $(APP_TARGETS)

# The program keeps its data in the per-user data folder (~/.local/share/lottodesk/, seeded on the
# first start), or in LOTTODESK_HOME when that is set.
run: deps build-app
	$(BUILD)/run/lottodesk

# The engine and command-line suites run under address and undefined-behaviour sanitizers in a
# build without Qt; the window suites run offscreen in the regular build.
test: deps-test test-engine test-gui

test-engine: deps-test
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 ctest -L engine -j $(JOBS) --output-on-failure

# Configured again: a build folder first made by `make run` (before GoogleTest was installed) then
# gains its test suites.
test-gui: deps-test
	cmake --preset default $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen LOTTODESK_REQUIRE_QT_TRANSLATIONS=1 ctest -L gui -j $(JOBS) --output-on-failure

bench: deps-bench
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	for b in $(BENCH_BUILD)/bench/bench_*; do $$b; done

# Each parser of outside input under libFuzzer for FUZZ_SECONDS (needs clang).
fuzz: deps-fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do n=$$(basename $$f); mkdir -p $(FUZZ_BUILD)/corpus/$$n; \
	  $$f $(FUZZ_BUILD)/corpus/$$n $$(test -d fuzz/corpus/$$n && echo fuzz/corpus/$$n) \
	    $$(test -f fuzz/$$n.dict && echo -dict=fuzz/$$n.dict) \
	    -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=4096 -max_len=65536; done

# The desktop program driven offscreen with random input for SOAK_SECONDS under the address and
# undefined-behaviour sanitizers, on a fresh temporary program folder; not part of `make test`.
# Fails on a crash, a sanitizer report (leaks at exit included) or a hang (ten minutes past the
# time); the steps are in $(SOAK_BUILD)/soak.log.
soak: deps-test
	cmake --preset soak
	cmake --build --preset soak -j $(JOBS) --target lottodesk_soak
	cd $(SOAK_BUILD) && QT_QPA_PLATFORM=offscreen LOTTODESK_SOAK_SECONDS=$(SOAK_SECONDS) \
	  XDG_CONFIG_HOME=$(CURDIR)/$(SOAK_BUILD)/xdg XDG_DATA_HOME=$(CURDIR)/$(SOAK_BUILD)/xdg-data LOTTODESK_HOME= \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  timeout $$(($(SOAK_SECONDS) + 600)) ./tests/lottodesk_soak

# The engine, the command-line tool and their suites cross-built for 64-bit Windows with mingw-w64 and
# run under Wine (in its own Wine prefix in the build folder, so no test reaches the user's own
# settings), then the tool on a fresh folder, and the portable zip
# $(WINDOWS_BUILD)/lottodesk-cli-<version>-windows.zip. The desktop program is not built here.
WINDOWS_PACKAGES = g++-mingw-w64-x86-64-posix wine64 googletest zip
WINDOWS_ENV = WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
deps-windows: deps
	$(call install-packages,$(WINDOWS_PACKAGES))
windows: deps-windows
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)
	mkdir -p $(WINDOWS_BUILD)/wine && $(WINDOWS_ENV) /usr/lib/wine/wine64 wineboot --init
	cd $(WINDOWS_BUILD) && $(WINDOWS_ENV) ctest -L engine -j $(JOBS) --output-on-failure
	$(WINDOWS_ENV) tools/windows/smoke.sh $(WINDOWS_BUILD)/run/lottodesk-cli.exe
	$(WINDOWS_ENV) tools/windows/package.sh $(WINDOWS_BUILD)/run/lottodesk-cli.exe \
	  $$(sed -n 's/^project(lottodesk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt) $(WINDOWS_BUILD)

# The Debian package (build/lottodesk_<version>_<arch>.deb) from the programs already built in build/.
package: deps-package build-app
	cmake --build $(BUILD) -j $(JOBS) --target manpage changelog
	cd $(BUILD) && cpack -G DEB

# The main windows under Xvfb on a 1366x768 screen, written to docs/screenshots/, and on a
# 1024x768 screen, written to docs/screenshots/1024x768/.
screenshots: deps-test $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target screenshots
	xvfb-run -a -s "-screen 0 1366x768x24" $(BUILD)/tools/screenshots docs/screenshots
	xvfb-run -a -s "-screen 0 1024x768x24" $(BUILD)/tools/screenshots docs/screenshots/1024x768

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(SOAK_BUILD) $(WINDOWS_BUILD)
