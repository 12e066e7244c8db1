#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase) for WebAssembly with Debian 12's own emscripten 3.1.6 from Debian's
# qt6-base source package, and installs it into PREFIX (by default
# ~/.cache/radixtrek/qt-6.4.2-wasm-small). Nothing is done when PREFIX already holds it.
# usage: tools/qt-wasm.sh [PREFIX [WORKDIR]]  needs root for apt-get; about 20 minutes on two cores.
# Static, without threads, and compiled for size; left out: Qt Test, network, SQL, D-Bus, XML,
# concurrent, print support, ICU and the features listed in qt-wasm/features.txt, which the
# program does not use in the browser. Those switches need the small source patch beside them:
# two private style headers relied on a switched-off header to include QHash, the widgets'
# compatibility file includes the menu and tool bar headers whatever the switches, and the
# OpenGL widgets (unused) do not build without the file system model.
set -euo pipefail
tools=$(dirname "$(realpath "$0")")
prefix=$(realpath -m "${1:-$HOME/.cache/radixtrek/qt-6.4.2-wasm-small}")
work=$(realpath -m "${2:-$HOME/.cache/radixtrek/qt-wasm-small-build}")
if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ] && [ -f "$prefix/lib/libQt6Widgets.a" ]; then
    exit 0
fi
mkdir -p "$work" && cd "$work"

"$tools/install-deps.sh" emscripten nodejs node-acorn ninja-build qt6-base-dev-tools dpkg-dev \
    xz-utils
# shellcheck source=web-env.sh
. "$tools/web-env.sh"

"$tools/qt-source.sh" "$work"
src=qtbase-everywhere-src-6.4.2
if [ ! -f "$src/.radixtrek-small" ]; then
    patch -d "$src" -p1 < "$tools/qt-wasm/qtbase-6.4.2-small.patch"
    touch "$src/.radixtrek-small"
fi
mapfile -t features < "$tools/qt-wasm/features.txt"

echo "Building Qt 6.4.2 for WebAssembly into $prefix (about 20 minutes)"
cmake -G Ninja -S "$src" -B build \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DINPUT_opengl=es2 \
    -DFEATURE_thread=OFF -DFEATURE_testlib=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF \
    -DFEATURE_dbus=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_icu=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
    -DRADIXTREK_NO_OPENGLWIDGETS=ON "${features[@]}" >configure.log
cmake --build build --parallel "$(nproc)" >build.log
cmake --install build >install.log
