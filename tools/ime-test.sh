#!/usr/bin/env bash
# Runs the input-method test: the program on a virtual X display under openbox, in a D-Bus
# session of its own where ibus runs with the anthy engine, in a home of its own so that the
# machine's input-method settings are neither read nor changed.
set -euo pipefail
program=$(realpath "$1")
probe=$(realpath "$2")
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
# ibus-engine-anthy and the test need Debian's Python, whatever python3 comes first on the path.
export PATH=/usr/bin:$PATH HOME=$scratch XDG_RUNTIME_DIR=$scratch/runtime
export XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache
timeout 300 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" \
    bash -c 'openbox >/dev/null 2>&1 & /usr/bin/python3 tests/ime/ime_test.py "$0" "$1"; status=$?; ibus exit 2>/dev/null; kill %1; exit $status' \
    "$program" "$probe" 2> >(grep -v -e '^dbus-daemon' -e 'SpiRegistry daemon' >&2)
