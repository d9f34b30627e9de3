# The developers' door: one build folder, configured once.
BUILD ?= build
TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build run test test-asan bench soak install package check-package clean

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(TYPE)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --parallel $(JOBS)

run: build
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

# The Debian package, in $(BUILD).
package: build
	cd $(BUILD) && cpack

# Builds, lints, installs, starts and removes the package; needs root.
check-package:
	BUILD=$(BUILD) scripts/check-package

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= build-asan
test-asan:
	@[ -f $(ASAN_BUILD)/CMakeCache.txt ] || cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug \
		-DKLIKOMAN_SANITIZE=ON -DKLIKOMAN_BENCH=OFF
	cmake --build $(ASAN_BUILD) --parallel $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(ASAN_BUILD) --output-on-failure --parallel $(JOBS)

# Takes about four minutes; writes bench/RESULTS.md.
bench: build
	$(BUILD)/bench/klikoman-bench --game $(BUILD)/src/app/klikoman \
		--baseline $(BUILD)/bench/klikoman-baseline --probe $(BUILD)/bench/klikoman-probe \
		--out bench/RESULTS.md

# A million ticks and a hundred thousand clicks; writes bench/SOAK.md.
soak: build
	$(BUILD)/bench/klikoman-soak bench/SOAK.md

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
