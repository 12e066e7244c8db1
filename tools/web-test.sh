#!/usr/bin/env bash
# Serves the browser build's site on this machine and runs the browser flows in headless
# Chromium, the same drills through Chromium's accessibility tree alone, the site without its
# server in Chromium, the example through WebKitGTK's accessibility bus as a Linux screen reader
# reads it and by keys with Orca in Chromium, then the flows in WebKitGTK under a virtual display.
# usage: tools/web-test.sh WEB_BUILD_DIR DESKTOP_BUILD_DIR
set -euo pipefail
web=$(realpath "$1")
desktop=$(realpath "$2")
tests=$(dirname "$(realpath "$0")")/../tests/web
out="$web/test-web"
rm -rf "$out"
mkdir -p "$out"
mkdir -m 700 "$out/runtime"
export XDG_RUNTIME_DIR="$out/runtime"

port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 "$(dirname "$(realpath "$0")")/web-serve.py" "$port" "$web/site" >"$out/server.log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    /usr/bin/python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" \
        2>/dev/null && break
    sleep 0.1
done

status=0
# The program goes out brotli-compressed to a browser that accepts it, and arrives whole.
/usr/bin/python3 - "http://127.0.0.1:$port/radixtrek.wasm" "$web/site/radixtrek.wasm" <<'EOF' || status=1
import sys, urllib.request
import brotli
request = urllib.request.Request(sys.argv[1], headers={"Accept-Encoding": "gzip, br"})
with urllib.request.urlopen(request) as response:
    sent = (response.headers["Content-Encoding"], response.headers["Content-Type"])
    body = response.read()
assert sent == ("br", "application/wasm"), f"the program went out as {sent}"
assert brotli.decompress(body) == open(sys.argv[2], "rb").read(), "the program arrived changed"
EOF
/usr/bin/python3 "$tests/browser_flows.py" chromium "http://127.0.0.1:$port/" \
    "$desktop/tests/web_reference" "$out" || status=1
/usr/bin/python3 "$tests/screen_reader_flow.py" "http://127.0.0.1:$port/" \
    "$desktop/tests/web_reference" "$out" || status=1
/usr/bin/python3 "$tests/offline_flow.py" "$web/site" "$out" || status=1
# WebKitGTK read through the accessibility bus, in a D-Bus session and settings of its own.
mkdir -p "$out/webkit-reader"
HOME="$out/webkit-reader" XDG_CONFIG_HOME="$out/webkit-reader/config" \
    XDG_CACHE_HOME="$out/webkit-reader/cache" XDG_DATA_HOME="$out/webkit-reader/data" \
    timeout 300 dbus-run-session -- xvfb-run -a -s "-screen 0 1280x900x24" \
    /usr/bin/python3 "$tests/webkit_screen_reader.py" "http://127.0.0.1:$port/?seed=2026" \
    2> >(grep -v -e '^dbus-daemon' -e 'SpiRegistry daemon' >&2) || status=1
# Orca reading the page in Chromium, as a blind learner on Linux hears it.
"$(dirname "$(realpath "$0")")/orca-test.sh" "$tests/orca_browser_flow.py" \
    "http://127.0.0.1:$port/?seed=2026" "$out/orca" || status=1
xvfb-run -a -s "-screen 0 1280x900x24" \
    /usr/bin/python3 "$tests/browser_flows.py" webkit "http://127.0.0.1:$port/" \
    "$desktop/tests/web_reference" "$out" || status=1
[ $status -eq 0 ] && echo "Browser flows passed; pictures in $out"
exit $status
