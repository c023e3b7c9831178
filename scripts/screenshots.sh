#!/usr/bin/env bash
# Starts the program on a virtual display, opens a sample aircraft and playlist,
# and photographs into docs/ the main window (main-window.png), the playlist
# editor (playlist-editor.png), the hangar on a sample collection of aircraft
# with one selected (hangar.png), and the summary of an install into several of
# them, one of which fails (hangar-summary.png), and the main window in German
# and French (main-window-de.png, main-window-fr.png). Run after scripts/run.sh has
# built the program (or point $BUILD at a build of your own).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/display.sh
source scripts/sample-aircraft.sh
build=${BUILD:-build/release}
docs=$PWD/docs

scripts/install-packages.sh screenshots

start_display 1280x800
sample=$(mktemp -d) # a sample aircraft, playlist and home with FS2004 to show
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

# Presses the keys $2... in the window titled $1.
keyIn() {
    local id
    id=$(xdotool search --name "^$1\$" | head -n 1)
    xdotool windowraise "$id" windowfocus --sync "$id" key "${@:2}"
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

# The program finds this FS2004 in the Wine prefix of the home it is given.
aircraft="$sample/home/.wine/drive_c/Program Files/Microsoft Games/Flight Simulator 9/Aircraft"
mkdir -p "$aircraft"
sample_aircraft "$aircraft"
console=$(realpath "$build/src/console/skylyre")
(cd "$aircraft" && "$console" install --checklist --new "${sample_with_player[@]}" >/dev/null)
unset WINEPREFIX

cd "$build/src/gui"
HOME="$sample/home" ./skylyre-configurator &
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

keyIn "Skylyre Configurator" ctrl+l
sleep 2 # the list fills
clickIn "All Aircraft" 100 172 # the Cessna 172
shoot "All Aircraft" hangar.png
clickIn "All Aircraft" 100 120 # the Learjet, whose aircraft.cfg cannot be read
xdotool keydown ctrl
clickIn "All Aircraft" 100 185 # the Cessna 208
clickIn "All Aircraft" 100 250 # the Piper PA-28
xdotool keyup ctrl
keyIn "All Aircraft" Return
window_id "Install into 3 aircraft" >/dev/null
sleep 0.5
clickIn "Install into 3 aircraft" 45 49   # Checklist
clickIn "Install into 3 aircraft" 45 143  # New File
clickIn "Install into 3 aircraft" 120 260 # OK
sleep 2 # past the progress, titled so too
shoot "Install" hangar-summary.png
kill "$program"
wait "$program" 2>/dev/null || true

for language in de fr; do
    HOME="$sample/home" ./skylyre-configurator --language "$language" &
    program=$!
    shoot "Skylyre Configurator" "main-window-$language.png" # settle first
    clickIn "Skylyre Configurator" 44 150 # Open
    choose "$sample/Cessna172.air"
    clickIn "Skylyre Configurator" 30 74  # Checklist
    clickIn "Skylyre Configurator" 160 72 # New File
    shoot "Skylyre Configurator" "main-window-$language.png"
    kill "$program"
    wait "$program" 2>/dev/null || true
done
echo "Screenshots are in docs/."
