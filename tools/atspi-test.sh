#!/usr/bin/env bash
# Runs the screen-reader test: the program on a virtual X display, in a D-Bus session of its
# own, whose accessibility bus the test reads as a screen reader does.
set -euo pipefail
program=$(realpath "$1")
cd "$(dirname "$0")/.."
runtime=$(mktemp -d)
trap 'tools/remove-scratch.sh "$runtime"' EXIT
# Debian's Python, which holds the AT-SPI bindings, whatever python3 comes first on the path.
XDG_RUNTIME_DIR=$runtime timeout 300 dbus-run-session -- \
    xvfb-run -a -s "-screen 0 1280x800x24" \
    /usr/bin/python3 tests/atspi/screen_reader_test.py "$program" 2> >(grep -v -e '^dbus-daemon' -e 'SpiRegistry daemon' >&2)
