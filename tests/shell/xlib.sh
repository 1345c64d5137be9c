# Helpers for end-to-end tests that drive the real game under a private Xvfb.
# Every wait is bounded.

# start_x WIDTHxHEIGHT: starts an X server on a free display and exports DISPLAY.
start_x() {
    local size=$1 fdfile n
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        n=$(head -1 "$fdfile" 2>/dev/null)
        if [ -n "$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
            rm -f "$fdfile"
            export DISPLAY=:$n
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$fdfile"
    echo "could not start Xvfb" >&2
    return 1
}

stop_x() {
    [ -n "${GAME_PID:-}" ] && kill "$GAME_PID" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    return 0
}

# wait_window TITLE [SECONDS]: prints the id of the top-level window with that
# title (message boxes included) once it exists.
wait_window() {
    local title=$1 limit=${2:-30} id
    for _ in $(seq $((limit * 10))); do
        id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$title\"" | head -1 | awk '{print $1}')
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window titled '$title' appeared; windows now:" >&2
    xwininfo -root -tree 2>/dev/null | grep '"' >&2
    [ -n "${GAME_PID:-}" ] && ! kill -0 "$GAME_PID" 2>/dev/null && echo "(the game has exited)" >&2
    return 1
}

# answer TITLE KEY [SECONDS]: waits for the box with that title and presses
# KEY in it until it is gone (a key sent before the box takes input is lost).
answer() {
    local title=$1 key=$2 limit=${3:-30} id
    id=$(wait_window "$title" "$limit") || return 1
    for _ in $(seq $((limit * 2))); do
        xdotool key --window "$id" "$key" 2>/dev/null
        sleep 0.5
        # Gone, or its id already reused by the next box (a new connection
        # may get the same ids): either way this box has taken the key.
        xwininfo -id "$id" 2>/dev/null | grep -qF "\"$title\"" || return 0
    done
    echo "the box '$title' did not take $key" >&2
    return 1
}

# wait_gone TITLE [SECONDS]
wait_gone() {
    local title=$1 limit=${2:-10}
    for _ in $(seq $((limit * 10))); do
        xwininfo -root -tree 2>/dev/null | grep -qF "\"$title\"" || return 0
        sleep 0.1
    done
    echo "window '$title' is still there" >&2
    return 1
}

# wait_exit PID [SECONDS]: waits for the game to end; its exit value goes to EXIT_CODE.
wait_exit() {
    local pid=$1 limit=${2:-30}
    for _ in $(seq $((limit * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            EXIT_CODE=$?
            return 0
        fi
        sleep 0.1
    done
    echo "the game did not exit" >&2
    return 1
}

# client_size ID: prints WIDTHxHEIGHT of the window's client area.
client_size() {
    xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
