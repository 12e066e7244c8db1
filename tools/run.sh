#!/usr/bin/env bash
# Starts the program, or explains how to when there is no display to show it on.
set -eu
program=$1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: DISPLAY and WAYLAND_DISPLAY are not set, so the window cannot be shown." >&2
    echo "To run Radixtrek on a virtual display instead:" >&2
    echo "    sudo apt-get install xvfb" >&2
    echo "    xvfb-run -a make run" >&2
    exit 1
fi
exec "$program"
