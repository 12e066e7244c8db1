# Set-up, build, run and test commands for Radixtrek on Debian 12.
BUILD_DIR    ?= build
SANITIZE_DIR ?= build-sanitize
BUILD_TYPE   ?= RelWithDebInfo
JOBS         ?= $(shell nproc)

.PHONY: all deps configure build run test test-sanitize screenshots clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@tools/run.sh $(BUILD_DIR)/app/radixtrek

test: build
	@mkdir -p -m 700 $(BUILD_DIR)/runtime
	@XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/runtime QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) -j $(JOBS) --output-on-failure

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DRADIXTREK_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@mkdir -p -m 700 $(SANITIZE_DIR)/runtime
	@XDG_RUNTIME_DIR=$(CURDIR)/$(SANITIZE_DIR)/runtime QT_QPA_PLATFORM=offscreen \
	 ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	 ctest --test-dir $(SANITIZE_DIR) -j $(JOBS) --output-on-failure

screenshots: build
	@$(BUILD_DIR)/app/radixtrek-screenshots docs/screenshots
	@echo "Screenshots written to docs/screenshots/"

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
