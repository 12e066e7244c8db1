#!/usr/bin/env bash
# Runs the window-manager test: the program on a virtual X display framed by openbox.
set -euo pipefail
program=$(realpath "$1")
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'tools/remove-scratch.sh "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
export HOME=$scratch XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=xcb
# The test starts and ends openbox itself. Without -noreset the server would reset whenever the
# test leaves it without a client, between one window manager and the next.
timeout 120 xvfb-run -a -s "-screen 0 1280x800x24 -noreset" \
    /usr/bin/python3 tests/wm/window_manager_test.py "$program"
