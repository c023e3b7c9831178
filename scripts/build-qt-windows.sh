#!/usr/bin/env bash
# Builds the Qt for Windows that the Windows build needs (qtbase: Core, Gui,
# Widgets, Network, Test; shared libraries; the windows, offscreen and
# minimal platforms and the Windows style) with MinGW-w64, from Debian's own
# qt6-base source package, using Debian's Linux Qt of the same version as the
# build tools (moc, rcc). Takes the better part of an hour on two cores and
# about 3 GB of disk while it builds.
#
#   bash scripts/build-qt-windows.sh [PREFIX]    # default: build/qt6-mingw64
#
# Then: SKYLYRE_QT_WINDOWS=PREFIX bash scripts/build-windows.sh (or test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$(realpath -m "${1:-build/qt6-mingw64}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

scripts/install-packages.sh windows
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    mingw-w64-tools ninja-build dpkg-dev

# Debian's source packages: a deb-src entry for the release this machine runs.
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$codename" | "${sudo[@]}" tee /etc/apt/sources.list.d/qt6-base-source.sources >/dev/null
    "${sudo[@]}" apt-get update -qq
fi
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
(cd "$work" && apt-get source --download-only "qt6-base=$version" >/dev/null)
tar -C "$work" -xf "$work"/qt6-base_*.orig.tar.xz
source_dir=$(echo "$work"/qtbase-everywhere-src-*)

# Debian's source leaves out the Wintab headers (src/3rdparty/wintab): build
# the Windows platform without its Wintab tablet path, as tablets still work
# through Windows' pointer messages.
plugin="$source_dir/src/plugins/platforms/windows"
sed -i 's/#if QT_CONFIG(tabletevent)$/#if QT_CONFIG(tabletevent) \&\& __has_include(<wintab.h>)/' \
    "$plugin/qwindowspointerhandler.h" "$plugin/qwindowspointerhandler.cpp" "$plugin/qwindowscontext.cpp"
sed -i 's|CONDITION QT_FEATURE_tabletevent$|CONDITION QT_FEATURE_tabletevent AND EXISTS "${QtBase_SOURCE_DIR}/src/3rdparty/wintab/wintab.h"|' \
    "$plugin/CMakeLists.txt" "$plugin/../direct2d/CMakeLists.txt"

cmake -G Ninja -S "$source_dir" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DINPUT_opengl=no -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_icu=OFF -DFEATURE_openssl=OFF -DINPUT_openssl=no \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
cmake --build "$work/build" --parallel "$(nproc)"
cmake --install "$work/build"
echo "Qt for Windows is in $prefix"
