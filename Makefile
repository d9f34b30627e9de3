# The developers' door: one build folder, configured once.
BUILD ?= build
TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Release artefacts carry the last commit's time, never the clock's, so that
# the same source gives the same bytes.
# From a release tarball (git archive) without .git, the files carry that
# time themselves.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || stat -c %Y CMakeLists.txt)
export SOURCE_DATE_EPOCH
# As people see it ("1.00").
VERSION := $(shell scripts/version)

.PHONY: all game build run test test-asan bench soak install package check-package windows \
	test-windows web web-in-root serve-web test-web test-web-in-root bench-web bench-web-in-root \
	test-debian13 clean

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(TYPE) -DBUILD_TESTING=ON -DKLIKOMAN_BENCH=ON

# The game alone, as ./run.sh builds it.
game: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target klikoman --parallel $(JOBS)

# Everything; configured again first, so that test tools installed since the
# first configure are found.
build: $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) >/dev/null
	cmake --build $(BUILD) --parallel $(JOBS)

run: game
	@if [ -z "$${DISPLAY:-}" ] && [ -z "$${WAYLAND_DISPLAY:-}" ]; then \
		echo "klikoman: no display (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session."; \
		exit 1; \
	fi
	$(BUILD)/src/app/klikoman

test: build
	ctest --test-dir $(BUILD) --output-on-failure --parallel $(JOBS)

# Installs into PREFIX (default /usr/local), under DESTDIR when set.
PREFIX ?= /usr/local
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, in $(BUILD): the game and the files installed beside
# it, and nothing else built for it.
package: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --parallel $(JOBS) --target klikoman klikoman_changelog klikoman_manpage
	cd $(BUILD) && cpack

# Builds, lints, installs, starts and removes the package; needs root.
check-package:
	BUILD=$(BUILD) scripts/check-package

# Every test again on Debian 13, as ./test.sh runs them there, in a Debian 13
# root of the project's own (scripts/debian-root) with a build folder of its
# own; the first run makes the root (a minute) and installs into it.
test-debian13:
	scripts/install-deps root
	scripts/debian-root trixie env BUILD=build-trixie ./test.sh

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= build-asan
test-asan:
	@[ -f $(ASAN_BUILD)/CMakeCache.txt ] || cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug \
		-DKLIKOMAN_SANITIZE=ON -DBUILD_TESTING=ON
	cmake --build $(ASAN_BUILD) --parallel $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(ASAN_BUILD) --output-on-failure --parallel $(JOBS)

# Takes about five minutes; writes bench/RESULTS.md.
bench: build
	$(BUILD)/bench/klikoman-bench --game $(BUILD)/src/app/klikoman \
		--baseline $(BUILD)/bench/klikoman-baseline --probe $(BUILD)/bench/klikoman-probe \
		--out bench/RESULTS.md

# A million ticks and a hundred thousand clicks; writes bench/SOAK.md.
soak: build
	$(BUILD)/bench/klikoman-soak bench/SOAK.md

# A static Qt's programs link its plugins (the platform's, the JPEG reader)
# only where its CMake files are let include them, which Debian's Qt 6.8
# turns off by default.
STATIC_QT = -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF

# Klikoman for Windows: one .exe cross-built with MinGW-w64 against a static Qt
# that scripts/build-qt windows builds once per machine (about 20 minutes) into
# ~/.cache/klikoman, then packed into $(WIN_BUILD)/klikoman-$(VERSION)-win64.zip
# and the installer $(WIN_BUILD)/klikoman-$(VERSION)-setup.exe.
WIN_BUILD ?= build-windows
windows:
	scripts/install-deps windows
	@qt=$$(scripts/build-qt windows) || exit 1; \
	if ! grep -qs "^CMAKE_TOOLCHAIN_FILE:.*=$$qt/lib" $(WIN_BUILD)/CMakeCache.txt || [ ! -f $(WIN_BUILD)/build.ninja ]; then \
		rm -rf $(WIN_BUILD) && \
		cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
			-DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake $(STATIC_QT) \
			-DBUILD_TESTING=OFF -DKLIKOMAN_BENCH=OFF || exit 1; \
	fi && \
	cmake --build $(WIN_BUILD) --parallel $(JOBS) && \
	scripts/package-windows $(WIN_BUILD) $$qt

# Under Wine: the installer installs silently, the installed game is played
# by the real-window test, and the uninstaller leaves nothing behind.
test-windows: windows build
	WINEPREFIX=$(CURDIR)/$(WIN_BUILD)/wine sh tests/e2e/check-windows-install.sh \
		$(WIN_BUILD)/klikoman-$(VERSION)-setup.exe $(BUILD)

# Klikoman in a browser: WebAssembly built with Emscripten against a static Qt
# that scripts/build-qt web builds once per machine (about 12 minutes) into
# the cache, staged as a folder of static files and packed into
# $(WEB_STAGE).zip. All of it happens in the Debian 13 root
# (scripts/debian-root), whose Emscripten and Qt draw a page without WebGL.
# Emscripten runs on Node, which must find Debian's modules; Qt's CMake
# wants Emscripten in its SDK's layout.
WEB_BUILD ?= build-web
WEB_STAGE = $(WEB_BUILD)/klikoman-$(VERSION)-web
EMSCRIPTEN_CMAKE = /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
web:
	scripts/install-deps root
	scripts/debian-root trixie $(MAKE) --no-print-directory web-in-root

web-in-root:
	scripts/install-deps web
	@qt=$$(scripts/build-qt web) || exit 1; \
	export EMSDK=$$(dirname $$qt)/emsdk NODE_PATH=/usr/share/nodejs && unset EM_CACHE && \
	if ! grep -qs "^CMAKE_TOOLCHAIN_FILE:.*=$$qt/lib" $(WEB_BUILD)/CMakeCache.txt || [ ! -f $(WEB_BUILD)/build.ninja ]; then \
		rm -rf $(WEB_BUILD) && \
		cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
			-DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
			-DQT_CHAINLOAD_TOOLCHAIN_FILE=$(EMSCRIPTEN_CMAKE) $(STATIC_QT) -DBUILD_TESTING=OFF \
			|| exit 1; \
	fi && \
	cmake --build $(WEB_BUILD) --parallel $(JOBS) && \
	scripts/package-web $(WEB_BUILD) $$qt >/dev/null && \
	scripts/package-web $(WEB_BUILD) $$qt --bare >/dev/null

# Serves the page on http://127.0.0.1:$(PORT)/ for a player to open.
PORT ?= 8080
serve-web: web
	node scripts/serve-web.mjs $(WEB_STAGE) $(PORT)

# The browser's driver for the tests: puppeteer-core as the lock file pins
# it, with no browser of its own (it drives Debian's Chromium and Firefox).
tests/web/node_modules: tests/web/package-lock.json
	cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --silent
	touch $@

# The real-window test again, on the page, in the Debian 13 root beside the
# page's build (with the tests built there, in build-trixie): in Chromium
# with a mouse, in Chromium with touch on a phone, in Chromium without
# WebGL, and in Firefox ESR.
WEB_RUNS = chromium chromium:388x844@2:touch chromium:nowebgl firefox
test-web: web
	scripts/debian-root trixie $(MAKE) --no-print-directory BUILD=build-trixie test-web-in-root

test-web-in-root: build tests/web/node_modules
	@for run in $(WEB_RUNS); do \
		echo "test-web: $$run"; \
		QT_QPA_PLATFORM=offscreen KLIKOMAN_BACKEND=browser KLIKOMAN_BROWSER=$$run \
			KLIKOMAN_GAME=$(CURDIR)/$(WEB_STAGE) $(BUILD)/tests/e2e/tst_e2e || exit 1; \
	done

# The page's load figures against a bare Qt window built the same way.
bench-web: web
	scripts/debian-root trixie $(MAKE) --no-print-directory bench-web-in-root

bench-web-in-root: tests/web/node_modules
	node bench/webload.mjs $(WEB_STAGE) $(WEB_BUILD)/klikoman-bare-web --out bench/WEB.md

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WIN_BUILD) $(WEB_BUILD)
