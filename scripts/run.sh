#!/usr/bin/env bash
# Builds Skylyre Configurator and starts it in the folder that holds its help page.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
cmake --preset release
cmake --build --preset release --parallel "$(nproc)"
cd build/release/src/app
exec ./skylyre-configurator
