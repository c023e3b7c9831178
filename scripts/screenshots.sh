#!/usr/bin/env bash
# Starts the program on a virtual display, opens a sample aircraft and playlist,
# and photographs both windows into docs/. Run after scripts/run.sh has built
# the program (or point $BUILD at a build of your own).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/display.sh
build=${BUILD:-build/release}
docs=$PWD/docs

scripts/install-packages.sh screenshots

start_display 640x480
sample=$(mktemp -d) # a sample aircraft and playlist to show
trap 'stop_display; rm -rf "$sample"' EXIT

# Photographs the window titled $1 into docs/$2 once it is shown.
shoot() {
    local id
    id=$(window_id "$1") || { echo "The window \"$1\" did not appear." >&2; return 1; }
    sleep 0.5
    import -window "$id" "$docs/$2"
}

# Clicks at ($2, $3) inside the window titled $1.
clickIn() {
    local id
    id=$(xdotool search --name "^$1\$" | head -n 1)
    xdotool mousemove --window "$id" "$2" "$3" click 1
    sleep 0.3
}

# Types a path into the file dialog that is open and presses Enter.
choose() {
    sleep 0.5
    xdotool type --delay 5 "$1"
    xdotool key Return
    sleep 0.5
}

touch "$sample/Cessna172.air"
printf '%s\r\n' 'C:\Music\Blue Skies.mp3' 'C:\Music\Night Approach.mp3' \
    'C:\Music\Over the Alps.mp3' 'C:\Music\Holding Pattern.mp3' \
    'C:\Music\Final Descent.mp3' 'C:\Music\Tailwind.mp3' >"$sample/rock.m3u"

cd "$build/src/gui"
./skylyre-configurator &
program=$!
shoot "Skylyre Configurator" main-window.png # settle first
clickIn "Skylyre Configurator" 44 150 # Open
choose "$sample/Cessna172.air"
clickIn "Skylyre Configurator" 30 74  # Checklist
clickIn "Skylyre Configurator" 160 72 # New File
shoot "Skylyre Configurator" main-window.png
clickIn "Skylyre Configurator" 220 150 # Playlist Editor
shoot "Playlist Editor" playlist-editor.png
xdotool key ctrl+o
choose "$sample/rock.m3u"
shoot "Playlist Editor - rock.m3u" playlist-editor.png
kill "$program"
echo "Screenshots are in docs/."
