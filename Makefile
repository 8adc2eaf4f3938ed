# Set-up and everyday commands. `make run` and `make test` install whatever is missing first.
BUILD_DIR  ?= build
ASAN_DIR   ?= build-asan
BENCH_DIR  ?= build-bench
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FILE       ?=

CMAKE_FLAGS = -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

.PHONY: deps build run test test-plain test-asan bench bench-build bench-x11 fuzz format clean package

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
ifeq ($(strip $(FILE)),)
	$(BUILD_DIR)/pixlore
else
	$(BUILD_DIR)/pixlore "$(FILE)"
endif

test: deps test-plain test-asan

# The Debian package, in the build folder: pixlore_VERSION_ARCH.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

test-plain: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DPIXLORE_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: bench-build
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/pixlore_bench
	$(MAKE) --no-print-directory bench-x11

# Pointer moves from outside on a real X server (Xvfb, openbox, xdotool): what the editor and
# the server spend per move, against a bare move over the main window.
bench-x11: bench-build
	scripts/bench-x11.sh $(BENCH_DIR)/pixlore

bench-build: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DPIXLORE_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target pixlore_bench pixlore

# Each libFuzzer target for FUZZ_SECONDS (300) seconds, e.g. make fuzz FUZZ_SECONDS=60.
fuzz:
	@scripts/install-deps.sh --fuzz
	JOBS=$(JOBS) scripts/fuzz.sh

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR) build-fuzz
