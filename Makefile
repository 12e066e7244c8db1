# Set-up, build, run and test commands for Radixtrek on Debian 12.
BUILD_DIR    ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR     ?= build-fuzz
BENCH_DIR    ?= build-bench
WINDOWS_DIR  ?= build-windows
# Qt for Windows: a ready build in ../shared/qt-windows/prefix when there is one, else the one
# tools/qt-windows.sh builds and keeps outside the work tree.
QT_WINDOWS   ?= $(if $(wildcard ../shared/qt-windows/prefix/bin/Qt6Widgets.dll),$(abspath ../shared/qt-windows/prefix),$(HOME)/.cache/radixtrek/qt-6.4.2-mingw)
# Qt for WebAssembly, compiled for size with what the program never uses switched off: the ready
# build in ../shared/qt-wasm-small/prefix when there is one, else the one tools/qt-wasm.sh builds
# the same way and keeps outside the work tree.
WEB_DIR      ?= build-web
QT_WASM      ?= $(if $(wildcard ../shared/qt-wasm-small/prefix/lib/libQt6Widgets.a),$(abspath ../shared/qt-wasm-small/prefix),$(HOME)/.cache/radixtrek/qt-6.4.2-wasm-small)
WEB_PORT     ?= 8016
FUZZ_SECONDS ?= 60
BUILD_TYPE   ?= RelWithDebInfo
JOBS         ?= $(shell nproc)

.PHONY: all deps configure build run lint test test-atspi test-ime test-wm test-orca package test-package test-sanitize fuzz bench \
        windows test-windows web web-run test-web bench-web \
        screenshots clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@tools/run.sh $(BUILD_DIR)/app/radixtrek

# The sources' layout and the scripts' likely mistakes (tools/lint.sh): clang-format over the C++,
# shellcheck over the shell scripts, eslint over the browser's scripts, pyflakes over the Python.
lint:
	@tools/install-deps.sh clang-format shellcheck eslint flake8
	@tools/lint.sh

test: build
	@mkdir -p -m 700 $(BUILD_DIR)/runtime
	@XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/runtime QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) -j $(JOBS) --output-on-failure

# A screen reader's view: the program driven through the accessibility bus (AT-SPI) alone.
test-atspi: build
	@tools/install-deps.sh at-spi2-core dbus python3-pyatspi xvfb xauth xdotool
	@tools/atspi-test.sh $(BUILD_DIR)/app/radixtrek $(BUILD_DIR)/tests/accessibility_event_tests

# Answers typed with a Japanese input method on, ibus and then fcitx5, each with anthy in
# hiragana, and text pasted by the middle button and dropped from another window; real X events.
test-ime: build
	@tools/install-deps.sh at-spi2-core dbus python3-pyatspi xvfb xauth openbox xdotool xclip \
	    ibus ibus-anthy fcitx5 fcitx5-anthy fcitx5-frontend-qt6
	@tools/ime-test.sh $(BUILD_DIR)/app/radixtrek $(BUILD_DIR)/tests/ime_probe

# The windows framed by a real window manager (openbox): centred frames, one size and place.
test-wm: build
	@tools/install-deps.sh xvfb xauth openbox xdotool wmctrl x11-utils
	@tools/wm-test.sh $(BUILD_DIR)/app/radixtrek

# A blind learner's session with the Orca screen reader on openbox, driven by real key presses
# and judged by what Orca says; Orca's debug logs stay in $(BUILD_DIR)/orca-logs/.
test-orca: build
	@tools/install-deps.sh at-spi2-core dbus python3-pyatspi xvfb xauth openbox xdotool x11-utils \
	    orca speech-dispatcher speech-dispatcher-espeak-ng
	@tools/orca-test.sh tests/orca/orca_test.py $(BUILD_DIR)/app/radixtrek $(BUILD_DIR)/orca-logs

# The Debian package $(BUILD_DIR)/radixtrek_<version>_<arch>.deb, made by CPack from the normal
# build; dpkg-shlibdeps (dpkg-dev) works out its library dependencies.
package: build
	@tools/install-deps.sh dpkg-dev
	@rm -f $(BUILD_DIR)/radixtrek_*.deb
	@cd $(BUILD_DIR) && cpack

# Unpacks the package into a scratch root, validates its desktop files and starts the installed
# program headless.
test-package: package
	@tools/install-deps.sh desktop-file-utils appstream
	@tools/package-test.sh $(BUILD_DIR)/radixtrek_*.deb

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DRADIXTREK_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@mkdir -p -m 700 $(SANITIZE_DIR)/runtime
	@XDG_RUNTIME_DIR=$(CURDIR)/$(SANITIZE_DIR)/runtime QT_QPA_PLATFORM=offscreen \
	 ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	 ctest --test-dir $(SANITIZE_DIR) -j $(JOBS) --output-on-failure

# Every libFuzzer target, built with clang under AddressSanitizer and UndefinedBehaviorSanitizer,
# each run for FUZZ_SECONDS from the seeds in tests/fuzz/corpus/<name>/ when there are any.
# Inputs found are kept in $(FUZZ_DIR)/corpus/ for the next run; a crashing input is saved in
# $(FUZZ_DIR)/artifacts/ and fails the target.
fuzz:
	@tools/install-deps.sh clang libclang-rt-14-dev
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRADIXTREK_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	@set -e; for fuzzer in $(FUZZ_DIR)/fuzzers/*; do \
	    name=$$(basename $$fuzzer); \
	    mkdir -p $(FUZZ_DIR)/corpus/$$name $(FUZZ_DIR)/artifacts; \
	    seeds=tests/fuzz/corpus/$$name; [ -d $$seeds ] || seeds=; \
	    echo "Fuzzing $$name for $(FUZZ_SECONDS) s"; \
	    if ! LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan-system.supp \
	         $$fuzzer -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=$(FUZZ_DIR)/artifacts/$$name- \
	            $(FUZZ_DIR)/corpus/$$name $$seeds >$(FUZZ_DIR)/$$name.log 2>&1; then \
	        tail -n 60 $(FUZZ_DIR)/$$name.log; echo "$$name failed; log in $(FUZZ_DIR)/$$name.log"; \
	        exit 1; \
	    fi; \
	    grep -E '^Done [0-9]+ runs' $(FUZZ_DIR)/$$name.log; \
	done

# The chart benchmarks against QCustomPlot (its Qt 6 build) and Qt Charts, which only the
# benchmark links, five times over with every case of every contender in a shuffled order,
# and start-up and idle memory against minimal windows, the three programs taking turns, on a
# real X server (Xvfb);
# a Release build. Prints the figures (medians with their ranges), then the ratios as tables.
bench:
	@tools/install-deps.sh libqcustomplot-dev libqcustomplot2.1-qt6 qt6-charts-dev libqt6opengl6-dev \
	    python3 xvfb xauth
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DRADIXTREK_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target chart_bench startup_bench
	@mkdir -p -m 700 $(BENCH_DIR)/runtime
	@XDG_RUNTIME_DIR=$(CURDIR)/$(BENCH_DIR)/runtime QT_QPA_PLATFORM=offscreen \
	 $(BENCH_DIR)/bench/chart_bench --benchmark_repetitions=5 \
	    --benchmark_enable_random_interleaving=true \
	    --benchmark_out=$(BENCH_DIR)/chart_bench.json --benchmark_out_format=json
	@XDG_RUNTIME_DIR=$(CURDIR)/$(BENCH_DIR)/runtime QT_QPA_PLATFORM=xcb \
	 xvfb-run -a -s "-screen 0 1280x800x24" \
	 $(BENCH_DIR)/bench/startup_bench --benchmark_repetitions=5 \
	    --benchmark_enable_random_interleaving=true \
	    --benchmark_out=$(BENCH_DIR)/startup_bench.json --benchmark_out_format=json
	@python3 tools/bench-ratios.py $(BENCH_DIR)/chart_bench.json $(BENCH_DIR)/startup_bench.json

# The program for Windows x86-64, cross-compiled with MinGW-w64 against Qt built from Debian's
# source (tools/qt-windows.sh; an hour or more the first time), packed as a zip and an NSIS
# installer in $(WINDOWS_DIR)/. The icon is drawn from the XPM by the Linux build's tool.
windows: build
	@tools/install-deps.sh g++-mingw-w64-x86-64-posix mingw-w64-tools nsis googletest
	@tools/qt-windows.sh $(QT_WINDOWS)
	@mkdir -p $(WINDOWS_DIR)
	@$(BUILD_DIR)/app/radixtrek-icon-export $(WINDOWS_DIR)/radixtrek.png $(WINDOWS_DIR)/radixtrek.svg \
	    $(WINDOWS_DIR)/radixtrek.ico
	@cmake -S . -B $(WINDOWS_DIR) -DCMAKE_BUILD_TYPE=Release -DRADIXTREK_TESTS=ON \
	    -DCMAKE_TOOLCHAIN_FILE=$(QT_WINDOWS)/lib/cmake/Qt6/qt.toolchain.cmake \
	    -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
	    -DRADIXTREK_ICO=$(abspath $(WINDOWS_DIR))/radixtrek.ico >/dev/null
	@cmake --build $(WINDOWS_DIR) -j $(JOBS) --target radixtrek
	@cmake --build $(WINDOWS_DIR) --target windows-package

# The whole test suite cross-compiled (GoogleTest from Debian's sources) in the same tree and
# run under Wine, then the installer under Wine: silent install, the program started with the
# Windows platform plugin (a screenshot in docs/screenshots/windows.png), silent uninstall.
test-windows: windows
	@tools/install-deps.sh wine64 wine xvfb xauth openbox xdotool wmctrl x11-utils imagemagick
	@cmake --build $(WINDOWS_DIR) -j $(JOBS)
	@tools/windows-test.sh $(WINDOWS_DIR) $(QT_WINDOWS)
	@tools/windows-installer-test.sh $(WINDOWS_DIR)/radixtrek-1.0-setup.exe \
	    $(WINDOWS_DIR)/stage/Radixtrek

screenshots: build
	@$(BUILD_DIR)/app/radixtrek-screenshots docs/screenshots
	@echo "Screenshots written to docs/screenshots/"

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(WINDOWS_DIR)

# The program for web browsers: $(WEB_DIR)/site/, a folder of static files (the page, Qt's
# loader, the program's .js and .wasm with the IPA fonts cut down to its characters built in,
# a web app manifest, icons and a service worker for use without a network). Of the desktop
# build it takes only the tool that draws the icons.
web: configure
	@tools/install-deps.sh emscripten nodejs node-acorn ninja-build python3-fonttools python3-brotli
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target radixtrek-icon-export
	@tools/qt-wasm.sh $(QT_WASM)
	@tools/web-build.sh $(WEB_DIR) $(QT_WASM) $(BUILD_DIR)/app/radixtrek-icon-export
	@tools/web-size.sh $(WEB_DIR)/site

# Serves the site on this machine only, each file brotli- or gzip-compressed where the browser
# accepts it.
web-run: web
	@echo "Radixtrek: http://127.0.0.1:$(WEB_PORT)/"
	@/usr/bin/python3 tools/web-serve.py $(WEB_PORT) $(WEB_DIR)/site

# The site's start in headless Chromium to its first frame: a browser new to it and one that
# keeps it, on an unthrottled line and on one pupil's share of a busy school line (2.5 Mbit/s,
# 100 ms), and with the server gone, and the renderer's memory; five rounds, medians with their
# ranges, against the goals. WEB_BASELINE names another build's site (for instance one built from
# an earlier commit in a worktree beside this one) to run side by side, interleaved.
WEB_BASELINE ?=
bench-web: web
	@tools/install-deps.sh chromium chromium-driver python3-selenium
	@/usr/bin/python3 bench/web_start.py $(WEB_DIR)/bench-web.json "this build=$(WEB_DIR)/site" \
	    $(if $(WEB_BASELINE),"baseline=$(WEB_BASELINE)")

# The site served locally and driven through WebDriver by real key, mouse and touch events, in
# headless Chromium and in WebKitGTK under Xvfb; each state's screenshot is compared with the
# desktop program's own picture of it.
test-web: web
	@tools/install-deps.sh chromium chromium-driver webkit2gtk-driver python3-selenium \
	    python3-numpy python3-pil xvfb xauth at-spi2-core dbus python3-pyatspi openbox xdotool \
	    x11-utils orca speech-dispatcher speech-dispatcher-espeak-ng
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target web_reference
	@tools/web-test.sh $(WEB_DIR) $(BUILD_DIR)
