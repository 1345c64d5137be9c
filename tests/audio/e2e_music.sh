#!/usr/bin/env bash
# The real game plays its music from start-up: run under a private X server
# with SDL's disk audio driver, what it mixes while the title runs is sound.
set -u
game=$1 xclose=$2 level=$3
. "$(dirname "$0")/../shell/xlib.sh"
work=$(mktemp -d)
trap 'stop_x; rm -rf "$work"' EXIT
start_x 1024x768 || exit 1
cd "$(dirname "$0")/../.."
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out.raw" "$game" & GAME_PID=$!

answer "Start FullScreen?" Escape || fail "no start question taking No"
win=$(wait_window "Pelegeso Vesldurian") || fail "no game window after No"
# Let the title run until a second and a half has been mixed (20 s at most).
for _ in $(seq 200); do
    [ "$(stat -c %s "$work/out.raw" 2>/dev/null || echo 0)" -ge $((44100 * 4 * 3 / 2)) ] && break
    sleep 0.1
done
"$xclose" "$win"
wait_exit "$GAME_PID" || fail "the close box did not end the game"
GAME_PID=
"$level" "$work/out.raw" 1.0 || fail "no music while the title ran"
echo "music during the title: ok"
