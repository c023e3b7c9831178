#!/usr/bin/env bash
# Photographs the Windows build's main window under Wine on a virtual
# display, into docs/main-window-windows.png. Run after
# scripts/build-windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine.sh
program=$(realpath build/windows-release/SkylyreConfigurator-*-win64)

missing=()
for package in xvfb x11-utils imagemagick; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

displayNumber=$(mktemp)
Xvfb -displayfd 3 -screen 0 480x360x24 -nolisten tcp 3>"$displayNumber" 2>/dev/null &
xvfb=$!
trap 'stop_wine; kill $xvfb 2>/dev/null; rm -f "$displayNumber"' EXIT
for _ in $(seq 50); do
    [[ -s "$displayNumber" ]] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$displayNumber")"
unset QT_QPA_PLATFORM
start_wine build/wine-screenshot

(cd "$program" && wine skylyre-configurator.exe &)
id=""
for _ in $(seq 100); do
    id=$(xwininfo -name "Skylyre Configurator" 2>/dev/null | awk '/Window id:/ { print $4 }') || true
    [[ -n "$id" ]] && break
    sleep 0.2
done
[[ -n "$id" ]] || { echo "The window did not appear." >&2; exit 1; }
sleep 2
import -window "$id" docs/main-window-windows.png
echo "The screenshot is docs/main-window-windows.png."
