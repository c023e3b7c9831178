#!/usr/bin/env bash
# Builds Skylyre Configurator and starts it in the folder that holds its help page.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

scripts/install-packages.sh
workflow release
cd build/release/src/gui
exec ./skylyre-configurator
