#!/usr/bin/env bash
# Runs the cross-compiled test suite under Wine with ctest, in a fresh Wine prefix on a virtual
# X display; Wine finds Qt's and the MinGW runtime's DLLs through WINEPATH. Every test starts a
# program of its own under Wine, and now and then such a start ends at once with no output; a
# failed test is therefore run once more, which a fault of the program fails again.
set -euo pipefail
build=$(realpath "$1")
qt=$(realpath "$2")
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="Z:$qt/bin;Z:$runtime;Z:/usr/x86_64-w64-mingw32/lib"
# The inner shell expands its own arguments, so its script is in single quotes.
# shellcheck disable=SC2016
timeout 1800 xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    wineboot -i >/dev/null 2>&1
    ctest --test-dir "$0" -j "$(nproc)" --no-tests=error --output-on-failure \
        --repeat until-pass:2; status=$?
    wineserver -k; exit $status' "$build"
