#!/usr/bin/env bash
# Photographs the Windows build under Wine on a virtual display: its main
# window into docs/main-window-windows.png, and the Open dialog, in the
# Aircraft folder of an FS2004 made for it, into docs/file-dialog-windows.png.
# Run after scripts/build-windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/display.sh
source scripts/wine.sh
program=$(realpath build/windows-release/SkylyreConfigurator-*-win64)

scripts/install-packages.sh windows screenshots

start_display 800x600
trap 'stop_wine; stop_display' EXIT
unset QT_QPA_PLATFORM
rm -rf build/wine-screenshot
start_wine build/wine-screenshot
aircraft="$WINEPREFIX/drive_c/Program Files (x86)/Microsoft Games/Flight Simulator 9/Aircraft"
mkdir -p "$aircraft/Cessna172" "$aircraft/Piper_J3"
: >"$aircraft/Cessna172/Cessna172.air"

(cd "$program" && wine skylyre-configurator.exe &)
id=$(window_id "Skylyre Configurator") || { echo "The window did not appear." >&2; exit 1; }
sleep 2
import -window "$id" docs/main-window-windows.png

xdotool mousemove --window "$id" 43 149 click 1 # the Open button
dialog=$(window_id "Open") || { echo "The Open dialog did not appear." >&2; exit 1; }
sleep 3
import -window "$dialog" docs/file-dialog-windows.png
echo "The screenshots are docs/main-window-windows.png and docs/file-dialog-windows.png."
