#!/usr/bin/env bash
# Runs the window-manager test: the program on a virtual X display framed by openbox.
set -euo pipefail
program=$(realpath "$1")
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'tools/remove-scratch.sh "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
export HOME=$scratch XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=xcb
timeout 120 xvfb-run -a -s "-screen 0 1280x800x24" \
    bash -c 'openbox >/dev/null 2>&1 & until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; do sleep 0.1; done
             /usr/bin/python3 tests/wm/window_manager_test.py "$0"; status=$?; kill %1 2>/dev/null; exit $status' \
    "$program"
