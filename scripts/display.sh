# Sourced by the scripts that show windows.
#
# start_display <width>x<height> starts a virtual display of our own and
# points DISPLAY at it; stop_display ends it. The programs shown there keep
# no shader cache in the user's home.
start_display() {
    export MESA_SHADER_CACHE_DISABLE=true
    local number
    number=$(mktemp)
    # -noreset: a program started just as the last one ends would find the
    # server resetting itself, and no display.
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$number" 2>/dev/null &
    display_process=$!
    for _ in $(seq 50); do
        [[ -s "$number" ]] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$number")"
    rm -f "$number"
}

# The display is gone when this returns, so that the next one can start.
stop_display() {
    kill "$display_process" 2>/dev/null || true
    wait "$display_process" 2>/dev/null || true
}

# window_id <title> prints the id of the window titled so once it is shown;
# fails when it is not shown within 30 s.
window_id() {
    local id
    for _ in $(seq 150); do
        id=$(xwininfo -name "$1" 2>/dev/null | awk '/Window id:/ { print $4 }') || true
        [[ -n "$id" ]] && echo "$id" && return 0
        sleep 0.2
    done
    return 1
}
