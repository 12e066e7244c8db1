#!/usr/bin/env bash
# Runs the screen-reader tests, each on a virtual X display in a D-Bus session and a home of its
# own: the events the program sends to the accessibility bus, caught in the program itself; then
# the program read through that bus as a screen reader does. The bus's launcher keeps the
# screen-reader switch the tests flip in the desktop's settings, so each session has settings of
# its own, and the run fails if the user's own switch changed all the same.
# usage: tools/atspi-test.sh PROGRAM EVENT_TESTS
set -euo pipefail
program=$(realpath "$1")
event_tests=$(realpath "$2")
cd "$(dirname "$0")/.."
# The user's switch as the desktop's settings hold it; nothing where neither tool is installed.
screen_reader_setting() {
    gsettings get org.gnome.desktop.a11y.applications screen-reader-enabled 2>/dev/null ||
        dconf read /org/gnome/desktop/a11y/applications/screen-reader-enabled 2>/dev/null || true
}
setting=$(screen_reader_setting)
scratch=$(mktemp -d)
finish() {
    local status=$? now
    tools/remove-scratch.sh "$scratch"
    now=$(screen_reader_setting)
    if [ "$now" != "$setting" ]; then
        echo "The tests changed the user's screen-reader setting from $setting to $now" >&2
        status=1
    fi
    exit "$status"
}
trap finish EXIT
in_session() {
    local home=$scratch/$1
    shift
    mkdir -p "$home"
    mkdir -m 700 "$home/runtime"
    HOME=$home XDG_RUNTIME_DIR=$home/runtime XDG_CONFIG_HOME=$home/config \
    XDG_CACHE_HOME=$home/cache XDG_DATA_HOME=$home/data "$@"
}
quiet_bus() { grep -v -e '^dbus-daemon' -e 'SpiRegistry daemon' >&2; }
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 in_session events timeout 120 \
    dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" "$event_tests" 2> >(quiet_bus)
# Debian's Python, which holds the AT-SPI bindings, whatever python3 comes first on the path.
in_session reader timeout 300 dbus-run-session -- \
    xvfb-run -a -s "-screen 0 1280x800x24" \
    /usr/bin/python3 tests/atspi/screen_reader_test.py "$program" 2> >(quiet_bus)
