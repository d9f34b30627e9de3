# The developers' door: one build folder, configured once.
BUILD ?= build
TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all build run test bench clean

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

# Takes about four minutes; writes bench/RESULTS.md.
bench: build
	$(BUILD)/bench/klikoman-bench --game $(BUILD)/src/app/klikoman \
		--baseline $(BUILD)/bench/klikoman-baseline --probe $(BUILD)/bench/klikoman-probe \
		--out bench/RESULTS.md

clean:
	rm -rf $(BUILD)
