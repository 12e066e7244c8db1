#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase) for WebAssembly with Debian 12's own emscripten 3.1.6 from Debian's
# qt6-base source package, and installs it into PREFIX (by default
# ~/.cache/radixtrek/qt-6.4.2-wasm). Nothing is done when PREFIX already holds it.
# usage: tools/qt-wasm.sh [PREFIX [WORKDIR]]      needs root for apt-get; about an hour on two cores.
# Static, without threads; left out: Qt Test, network, SQL, D-Bus, XML, concurrent, print support
# and ICU, which the program does not use in the browser.
set -euo pipefail
tools=$(dirname "$(realpath "$0")")
prefix=$(realpath -m "${1:-$HOME/.cache/radixtrek/qt-6.4.2-wasm}")
work=$(realpath -m "${2:-$HOME/.cache/radixtrek/qt-wasm-build}")
if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ] && [ -f "$prefix/lib/libQt6Widgets.a" ]; then
    exit 0
fi
mkdir -p "$work" && cd "$work"

"$tools/install-deps.sh" emscripten nodejs node-acorn ninja-build qt6-base-dev-tools dpkg-dev \
    xz-utils
# shellcheck source=web-env.sh
. "$tools/web-env.sh"

"$tools/qt-source.sh" "$work"

echo "Building Qt 6.4.2 for WebAssembly into $prefix (about an hour)"
cmake -G Ninja -S qtbase-everywhere-src-6.4.2 -B build \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DINPUT_opengl=es2 \
    -DFEATURE_thread=OFF -DFEATURE_testlib=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_icu=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF >configure.log
cmake --build build --parallel "$(nproc)" >build.log
cmake --install build >install.log
