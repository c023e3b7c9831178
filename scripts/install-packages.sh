#!/usr/bin/env bash
# Installs the Debian packages that are missing for building Skylyre
# Configurator, and for each purpose named: "test", testing it; "languages",
# keeping its catalogues up to date; "windows",
# building it for Windows, packaging it and running it under Wine;
# "screenshots", photographing its windows on a virtual display; "release",
# checking its Debian package as Debian does. Installs nothing that is there.
#
#   scripts/install-packages.sh [test] [languages] [windows] [screenshots] [release]
set -euo pipefail

packages=(cmake make g++ ccache qt6-base-dev qt6-l10n-tools qt6-translations-l10n libgl-dev librsvg2-bin)
for purpose in "$@"; do
    case "$purpose" in
    test) packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format) ;;
    languages) ;;
    windows) packages+=(qt6-base-dev-tools g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                        googletest wine wine64 fonts-wine fonts-liberation nsis icoutils xvfb x11-utils) ;;
    screenshots) packages+=(xvfb x11-utils xdotool imagemagick) ;;
    release) packages+=(dpkg-dev lintian desktop-file-utils appstream) ;;
    *) echo "Unknown purpose: $purpose" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
