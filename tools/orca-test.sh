#!/usr/bin/env bash
# Runs an Orca test: a test script on a virtual X display under openbox, with the Orca screen
# reader in a D-Bus session and a home of their own. Speech goes through speech-dispatcher to a
# silent ALSA device; what Orca says is read from its debug log, kept in the log folder.
# usage: tools/orca-test.sh SCRIPT TARGET LOG_DIR, the script then called with TARGET (the
# program, or a page's address), Orca's settings folder and LOG_DIR.
set -euo pipefail
script=$(realpath "$1")
target=$2
[ -e "$target" ] && target=$(realpath "$target")
logs=$(realpath -m "$3")
cd "$(dirname "$0")/.."
# Orca will not start beside another, even one still ending; a test run just before may leave
# one for a moment.
for _ in $(seq 75); do
    pgrep -u "$(id -u)" -x orca >/dev/null || break
    sleep 0.2
done
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "Another Orca runs as this user; a second one would not start. Stop it first." >&2
    exit 1
fi
scratch=$(mktemp -d)
trap 'tools/remove-scratch.sh "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
mkdir -p "$scratch/config/speech-dispatcher" "$scratch/orca" "$logs"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$scratch/.asoundrc"
sed 's/^# *AudioOutputMethod .*/AudioOutputMethod "alsa"/' /etc/speech-dispatcher/speechd.conf \
    >"$scratch/config/speech-dispatcher/speechd.conf"
# Orca and the test need Debian's Python, whatever python3 comes first on the path.
export PATH=/usr/bin:$PATH
# The session bus starts inside the X display: the accessibility registry that it starts clicks
# for Orca through the X server.
# The inner shell expands its own arguments, so its script is in single quotes.
# shellcheck disable=SC2016
HOME=$scratch XDG_RUNTIME_DIR=$scratch/runtime XDG_CONFIG_HOME=$scratch/config \
XDG_CACHE_HOME=$scratch/cache XDG_DATA_HOME=$scratch/data LANG=C.UTF-8 timeout 1200 \
    xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -c '
        openbox >/dev/null 2>&1 &
        until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; do sleep 0.1; done
        python3 "$0" "$1" "$2" "$3"; status=$?
        kill %1; exit $status' "$script" "$target" "$scratch/orca" "$logs" \
    2> >(grep -v -e '^dbus-daemon' -e 'SpiRegistry daemon' >&2)
