#!/usr/bin/env bash
# Builds Skylyre Configurator and starts it in the folder that holds its help page.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DSKYLYRE_BUILD_TESTS=OFF
cmake --build build/release --parallel "$(nproc)"
cd build/release/src/app
exec ./skylyre-configurator
