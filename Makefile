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
	test-windows web serve-web test-web bench-web \
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

# Klikoman for Windows: one .exe cross-built with MinGW-w64 on Windows' own
# windows and controls (src/win32), then packed into
# $(WIN_BUILD)/klikoman-$(VERSION)-win64.zip and the installer
# $(WIN_BUILD)/klikoman-$(VERSION)-setup.exe.
WIN_BUILD ?= build-windows
windows:
	scripts/install-deps windows
	@grep -qs "^CMAKE_TOOLCHAIN_FILE:.*cmake/mingw-w64.cmake" $(WIN_BUILD)/CMakeCache.txt || \
		{ rm -rf $(WIN_BUILD) && cmake -S . -B $(WIN_BUILD) -G Ninja \
		-DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DBUILD_TESTING=OFF; }
	cmake --build $(WIN_BUILD) --parallel $(JOBS)
	scripts/package-windows $(WIN_BUILD)

# Under Wine: the installer installs silently, the installed game is played
# by the real-window test, and the uninstaller leaves nothing behind.
test-windows: windows build
	WINEPREFIX=$(CURDIR)/$(WIN_BUILD)/wine sh tests/e2e/check-windows-install.sh \
		$(WIN_BUILD)/klikoman-$(VERSION)-setup.exe $(BUILD)

# Klikoman in a browser: the game built with the machine's own Emscripten
# (src/web draws it with the page's own elements) and staged by
# scripts/package-web as a folder of static files, $(WEB_STAGE), packed into
# $(WEB_STAGE).zip. Emscripten runs on Node, which must find Debian's
# modules.
WEB_BUILD ?= build-web
WEB_STAGE = $(WEB_BUILD)/klikoman-$(VERSION)-web
export NODE_PATH = /usr/share/nodejs
web:
	scripts/install-deps web
	@[ -f $(WEB_BUILD)/CMakeCache.txt ] || emcmake cmake -S . -B $(WEB_BUILD) \
		-DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF >/dev/null
	cmake --build $(WEB_BUILD) --parallel $(JOBS)
	scripts/package-web $(WEB_BUILD) >/dev/null

# Serves the page on http://127.0.0.1:$(PORT)/ for a player to open.
PORT ?= 8080
serve-web: web
	node scripts/serve-web.mjs $(WEB_STAGE) $(PORT)

# The browser's driver for the tests and the load figures: puppeteer-core and
# Lighthouse as the lock file pins them, with no browser of their own (they
# drive Debian's Chromium and Firefox ESR).
tests/web/node_modules: tests/web/package-lock.json
	cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --silent
	touch $@

# The real-window test again, on the page: in Chromium with a mouse, in
# Chromium with touch on a phone (played offline after a first visit), in
# Chromium by the keyboard alone, and in Firefox ESR.
WEB_RUNS = chromium chromium:388x844@2:touch:offline chromium:keyboard firefox
test-web: web build tests/web/node_modules
	@for run in $(WEB_RUNS); do \
		echo "test-web: $$run"; \
		QT_QPA_PLATFORM=offscreen KLIKOMAN_BACKEND=browser KLIKOMAN_BROWSER=$$run \
			KLIKOMAN_GAME=$(CURDIR)/$(WEB_STAGE) $(BUILD)/tests/e2e/tst_e2e || exit 1; \
	done

# The page's weight, its load time against a static page of the same
# elements, and Lighthouse's audit; writes bench/WEB.md.
bench-web: web tests/web/node_modules
	node bench/webload.mjs $(WEB_STAGE) --out bench/WEB.md

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WIN_BUILD) $(WEB_BUILD)
