#!/usr/bin/env bash
# Builds Skylyre Configurator for 64-bit Windows (MinGW-w64) and packages it,
# in build/windows-release/:
#   SkylyreConfigurator-<version>-win64.zip    the portable folder
#   SkylyreConfigurator-<version>-setup.exe    the installer (NSIS)
# The Qt for Windows is one that scripts/build-qt6-mingw64.sh built (the
# packages' licenses folder names that script and Debian's qt6-base source as
# Qt's source), found as qt_for_windows (scripts/wine.sh) says:
# $SKYLYRE_QT_WINDOWS, ../shared/qt6-mingw64 or build/qt6-mingw64. Without
# one, that script first builds one into build/qt6-mingw64 (about an hour on
# two cores, as root).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source scripts/wine.sh

scripts/install-packages.sh windows
SKYLYRE_QT_WINDOWS=$(qt_for_windows)
if [[ -z "$SKYLYRE_QT_WINDOWS" ]]; then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" bash scripts/build-qt6-mingw64.sh build/qt6-mingw64
    SKYLYRE_QT_WINDOWS=$(realpath build/qt6-mingw64)
fi
export SKYLYRE_QT_WINDOWS

build=build/windows-release
workflow windows-release

version=$(project_version "$build")
name="SkylyreConfigurator-$version"
stage="$build/$name-win64"
rm -rf "$stage" "$build/$name-win64.zip" "$build/$name-setup.exe"
cmake --install "$build" --prefix "$stage"
# Without their symbols: the MinGW C++ runtime alone is over 20 MB with them.
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

(cd "$build" && cmake -E tar cf "$name-win64.zip" --format=zip "$name-win64")

# What the uninstaller removes: every file installed, then the folders, deepest first.
files="$build/installed-files.nsh"
(
    cd "$stage"
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
) >"$files"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$(realpath "$stage")" -DFILES="$(realpath "$files")" \
    -DICON="$(realpath "$build/icon/skylyre-configurator.ico")" -DLICENSE="$PWD/LICENSE" \
    -DOUTFILE="$(realpath "$build")/$name-setup.exe" resources/windows/installer.nsi

ls -l "$build/$name-win64.zip" "$build/$name-setup.exe"
