#!/usr/bin/env bash
# Builds the browser program and its site into BUILD_DIR/site against Qt for WebAssembly in
# QT_PREFIX; the desktop build's icon tool draws the site's icons.
# usage: tools/web-build.sh BUILD_DIR QT_PREFIX ICON_TOOL
set -euo pipefail
build=$(realpath -m "$1")
qt=$(realpath "$2")
icon_tool=$(realpath "$3")
tools=$(dirname "$(realpath "$0")")
# shellcheck source=web-env.sh
. "$tools/web-env.sh"

mkdir -p "$build/icons"
"$icon_tool" --size 192 "$build/icons/icon-192.png" "$build/icons/icon.svg"
"$icon_tool" --size 512 "$build/icons/icon-512.png" "$build/icons/icon.svg"

cmake -G Ninja -S "$tools/.." -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DRADIXTREK_WEB_ICONS="$build/icons" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
# The forms a server sends to browsers that accept them; Debian's own Python has brotli.
/usr/bin/python3 "$tools/web-compress.py" "$build/site"
# Where the program's bytes are: its code by library and object, beside its data.
mapfile -t objects < <(find "$build/app/CMakeFiles/radixtrek.dir" -name '*.o')
/usr/bin/python3 "$tools/web-map.py" "$build/app/radixtrek.wasm" "$build/app/radixtrek.js.symbols" \
    "$qt"/lib/*.a "$qt"/plugins/platforms/*.a "$build"/*/lib*.a "${objects[@]}" \
    /usr/share/emscripten/cache/sysroot/lib/wasm32-emscripten/lib{c,c++-noexcept,c++abi-noexcept,dlmalloc,compiler_rt,embind-rtti}.a \
    | tee "$build/wasm-map.txt"
