# shellcheck shell=bash
# Sourced by the browser build's scripts: the environment Debian's emscripten needs with Qt 6.4.
# Qt 6.4 finds emscripten through $EMSDK; a stand-in outside the work tree points at Debian's.
EMSDK=${EMSDK:-$HOME/.cache/radixtrek/emsdk}
# Debian keeps emcc in /usr/bin, the rest in /usr/share/emscripten; Qt looks for both together.
standin="$EMSDK/upstream/emscripten"
[ -L "$standin" ] && rm "$standin"
mkdir -p "$standin"
for entry in /usr/share/emscripten/* /usr/bin/emcc /usr/bin/em++ /usr/bin/emar /usr/bin/emranlib; do
    ln -sfn "$entry" "$standin/$(basename "$entry")"
done
printf "# points Qt's EMSDK look-up at Debian's emscripten\nEMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'\n" \
    > "$EMSDK/.emscripten"
# Debian's emcc otherwise runs the first python3 on PATH; its JavaScript optimiser needs
# Debian's acorn when the machine's node is not Debian's.
export EMSDK EMSDK_PYTHON=/usr/bin/python3 NODE_PATH=/usr/share/nodejs
