#!/usr/bin/env bash
# A key pressed through the X server reaches the real game: Escape in the
# title ends it, with exit value 0, through the main loop's own test.
set -u
game=$1
. "$(dirname "$0")/../shell/xlib.sh"
trap stop_x EXIT
# A display of its own: the keyboard focus must stay on this game's window.
start_x 1024x768 || exit 1
cd "$(dirname "$0")/../.."
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
"$game" & GAME_PID=$!

# Every X client call is bounded too, so a busy server cannot stall the test.
x() { timeout 5 "$@" 2>/dev/null; }
box_id() { x xwininfo -root -tree | grep -F '"Start FullScreen?"' | head -1 | awk '{print $1}'; }
game_id() { x xdotool search --name 'Pelegeso Vesldurian' | head -1; }

# Answer No to the start question. If SDL could not show the box, the game
# has answered No itself (and said so on standard error).
win=
for _ in $(seq 100); do
    box=$(box_id)
    if [ -n "$box" ]; then
        x xdotool key --window "$box" Escape
        break
    fi
    win=$(game_id)
    [ -n "$win" ] && break
    sleep 0.1
done
for _ in $(seq 100); do
    [ -n "$win" ] && break
    sleep 0.1
    win=$(game_id)
done
[ -n "$win" ] || fail "no game window"

# A press before the keyboard is acquired is not seen: press again until the
# game has ended, a bounded number of times.
for _ in $(seq 10); do
    x xdotool key --window "$win" Escape
    for _ in $(seq 5); do
        kill -0 "$GAME_PID" 2>/dev/null || break 2
        sleep 0.1
    done
done
wait_exit "$GAME_PID" 2 || fail "Escape did not end the game"
GAME_PID=
[ "$EXIT_CODE" = 0 ] || fail "exit value $EXIT_CODE"
echo "Escape through the X server ends the game: ok"
