#!/usr/bin/env bash
# Starts the program on a virtual display and photographs its windows into docs/.
# Run after scripts/run.sh has built it (or with a build of your own in $BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build/release}
docs=$PWD/docs

missing=()
for package in xvfb imagemagick x11-utils; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

# A virtual display of our own, gone when the script ends.
displayNumber=$(mktemp)
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$displayNumber" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$displayNumber"' EXIT
for _ in $(seq 50); do
    [[ -s "$displayNumber" ]] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$displayNumber")"

# Photographs the window titled $1 into docs/$2 once it is shown.
shoot() {
    local id=""
    for _ in $(seq 50); do
        id=$(xwininfo -name "$1" 2>/dev/null | awk '/Window id:/ { print $4 }') || true
        [[ -n "$id" ]] && break
        sleep 0.2
    done
    [[ -n "$id" ]] || { echo "The window \"$1\" did not appear." >&2; return 1; }
    sleep 0.5
    import -window "$id" "$docs/$2"
}

cd "$build/src/app"
./skylyre-configurator &
program=$!
shoot "Skylyre Configurator" main-window.png
kill "$program"
echo "Screenshots are in docs/."
