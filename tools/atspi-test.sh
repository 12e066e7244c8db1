#!/usr/bin/env bash
# Runs the screen-reader tests, each on a virtual X display in a D-Bus session of its own: the
# events the program sends to the accessibility bus, caught in the program itself; then the
# program read through that bus as a screen reader does.
# usage: tools/atspi-test.sh PROGRAM EVENT_TESTS
set -euo pipefail
program=$(realpath "$1")
event_tests=$(realpath "$2")
cd "$(dirname "$0")/.."
runtime=$(mktemp -d)
trap 'tools/remove-scratch.sh "$runtime"' EXIT
quiet_bus() { grep -v -e '^dbus-daemon' -e 'SpiRegistry daemon' >&2; }
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 timeout 120 \
    dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" "$event_tests" 2> >(quiet_bus)
# Debian's Python, which holds the AT-SPI bindings, whatever python3 comes first on the path.
XDG_RUNTIME_DIR=$runtime timeout 300 dbus-run-session -- \
    xvfb-run -a -s "-screen 0 1280x800x24" \
    /usr/bin/python3 tests/atspi/screen_reader_test.py "$program" 2> >(quiet_bus)
