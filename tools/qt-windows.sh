#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase) for Windows x86-64 with MinGW-w64 from Debian 12's own qt6-base
# source package, the same Qt version as the Linux build, and installs it into PREFIX (by
# default ~/.cache/radixtrek/qt-6.4.2-mingw). Nothing is done when PREFIX already holds it.
# usage: tools/qt-windows.sh [PREFIX [WORKDIR]]       needs root for apt-get; about 1,050 steps.
# Left out: OpenGL, D-Bus, SQL, network, print support, concurrent, XML, Vulkan and ICU, which
# the program does not use, and tablet events, since Debian's source leaves out Wacom's
# wintab.h. Direct2D stays on: Qt 6.4 builds its DirectWrite font database only with it.
set -euo pipefail
tools=$(dirname "$(realpath "$0")")
prefix=$(realpath -m "${1:-$HOME/.cache/radixtrek/qt-6.4.2-mingw}")
work=$(realpath -m "${2:-$HOME/.cache/radixtrek/qt-build}")
if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ] && [ -f "$prefix/bin/Qt6Widgets.dll" ]; then
    exit 0
fi
mkdir -p "$work" && cd "$work"

"$tools/install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    mingw-w64-tools ninja-build qt6-base-dev-tools dpkg-dev xz-utils

"$tools/qt-source.sh" "$work"

mkdir -p "$prefix/lib/cmake"
toolchain="$prefix/lib/cmake/mingw-w64-x86_64.cmake"
cat > "$toolchain" <<'TC'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC

echo "Building Qt 6.4.2 for Windows in $work (an hour or more the first time)"
cmake -G Ninja -S qtbase-everywhere-src-6.4.2 -B build \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF \
    -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF -DFEATURE_direct2d=ON \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
    >configure.log
cmake --build build --parallel "$(nproc)" >build.log
cmake --install build >install.log
echo "Qt for Windows installed in $prefix"
