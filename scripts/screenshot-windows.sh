#!/usr/bin/env bash
# Photographs the Windows build under Wine on a virtual display: its main
# window into docs/main-window-windows.png, the Open dialog, in the Aircraft
# folder of an FS2004 made for it with a sample collection of aircraft, into
# docs/file-dialog-windows.png, and the hangar on that collection, with an
# aircraft and its thumbnail shown, into docs/hangar-windows.png.
# Run after scripts/build-windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/display.sh
source scripts/wine.sh
source scripts/sample-aircraft.sh
program=$(realpath build/windows-release/SkylyreConfigurator-*-win64)

scripts/install-packages.sh windows screenshots

start_display 1280x800
trap 'stop_wine; stop_display' EXIT
unset QT_QPA_PLATFORM
rm -rf build/wine-screenshot
start_wine build/wine-screenshot
aircraft="$WINEPREFIX/drive_c/Program Files (x86)/Microsoft Games/Flight Simulator 9/Aircraft"
mkdir -p "$aircraft"
sample_aircraft "$aircraft"
(cd "$aircraft" && wine "$program/skylyre.exe" install --checklist --new "${sample_with_player[@]}" >/dev/null)

(cd "$program" && wine skylyre-configurator.exe &)
id=$(window_id "Skylyre Configurator") || { echo "The window did not appear." >&2; exit 1; }
sleep 2
import -window "$id" docs/main-window-windows.png

xdotool mousemove --window "$id" 43 149 click 1 # the Open button
dialog=$(window_id "Open") || { echo "The Open dialog did not appear." >&2; exit 1; }
sleep 3
import -window "$dialog" docs/file-dialog-windows.png
xdotool windowfocus --sync "$dialog" key Escape
sleep 1

xdotool windowfocus --sync "$id" key ctrl+l
hangar=$(window_id "All Aircraft") || { echo "The hangar did not appear." >&2; exit 1; }
sleep 3 # the list fills
xdotool mousemove --window "$hangar" 100 181 click 1 # the Cessna 172
sleep 1
import -window "$hangar" docs/hangar-windows.png
echo "The screenshots are docs/main-window-windows.png, docs/file-dialog-windows.png and docs/hangar-windows.png."
