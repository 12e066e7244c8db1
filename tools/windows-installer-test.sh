#!/usr/bin/env bash
# Runs the installer test in a fresh Wine prefix on a virtual X display framed by openbox.
set -euo pipefail
setup=$(realpath "$1")
staged=$(realpath "$2")
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# No Mono or Gecko downloads: the closed network would only make Wine wait for them.
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The inner shell expands its own arguments, so its script is in single quotes.
# shellcheck disable=SC2016
timeout 600 xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    openbox >/dev/null 2>&1 &
    tests/windows/installer_test.sh "$0" "$1" docs/screenshots/windows.png; status=$?
    kill %1; exit $status' "$setup" "$staged"
