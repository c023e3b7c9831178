#!/usr/bin/env bash
# Installs the Debian packages that are missing for building Skylyre
# Configurator; with "test", for testing it; with "windows", for building it
# for Windows, packaging it and running it under Wine. Installs nothing that
# is there.
set -euo pipefail

packages=(cmake make g++ ccache qt6-base-dev libgl-dev)
case "${1:-}" in
test) packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev) ;;
windows) packages+=(qt6-base-dev-tools g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                    googletest wine wine64 fonts-wine fonts-liberation nsis xvfb x11-utils) ;;
esac

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
