#!/usr/bin/env bash
# Runs the input-method test once with ibus and once with fcitx5: the program on a virtual X
# display under openbox, in a D-Bus session of its own where the input method runs with the
# anthy engine, in a home of its own so that the machine's input-method settings are neither
# read nor changed.
set -euo pipefail
program=$(realpath "$1")
probe=$(realpath "$2")
cd "$(dirname "$0")/.."
# ibus-engine-anthy and the test need Debian's Python, whatever python3 comes first on the path.
export PATH=/usr/bin:$PATH
for input_method in ibus fcitx5; do
    echo "With $input_method:"
    scratch=$(mktemp -d)
    mkdir -m 700 "$scratch/runtime"
    # The inner shell expands its own arguments, so its script is in single quotes.
    # shellcheck disable=SC2016
    HOME=$scratch XDG_RUNTIME_DIR=$scratch/runtime XDG_CONFIG_HOME=$scratch/config \
    XDG_CACHE_HOME=$scratch/cache timeout 300 dbus-run-session -- \
        xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
            openbox >/dev/null 2>&1 &
            /usr/bin/python3 tests/ime/ime_test.py "$0" "$1" "$2"; status=$?
            ibus exit 2>/dev/null; fcitx5-remote -e 2>/dev/null; kill %1; exit $status' \
        "$program" "$probe" "$input_method" \
        2> >(grep -v -e '^dbus-daemon' -e 'SpiRegistry daemon' -e 'Not connected to the ibus' >&2)
    tools/remove-scratch.sh "$scratch"
done
