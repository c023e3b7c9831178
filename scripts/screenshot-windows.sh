#!/usr/bin/env bash
# Photographs the Windows build's main window under Wine on a virtual
# display, into docs/main-window-windows.png. Run after
# scripts/build-windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/display.sh
source scripts/wine.sh
program=$(realpath build/windows-release/SkylyreConfigurator-*-win64)

scripts/install-packages.sh windows screenshots

start_display 480x360
trap 'stop_wine; stop_display' EXIT
unset QT_QPA_PLATFORM
start_wine build/wine-screenshot

(cd "$program" && wine skylyre-configurator.exe &)
id=$(window_id "Skylyre Configurator") || { echo "The window did not appear." >&2; exit 1; }
sleep 2
import -window "$id" docs/main-window-windows.png
echo "The screenshot is docs/main-window-windows.png."
