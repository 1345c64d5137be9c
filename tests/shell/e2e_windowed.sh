#!/usr/bin/env bash
# The start question, No, a 640 x 480 window, and the close box ending the game with 0.
set -u
game=$1 xclose=$2
. "$(dirname "$0")/xlib.sh"
trap stop_x EXIT
start_x 1024x768 || exit 1
cd "$(dirname "$0")/../.."
"$game" & GAME_PID=$!

answer "Start FullScreen?" Escape || fail "no start question taking No"
win=$(wait_window "Pelegeso Vesldurian") || fail "no game window after No"
size=$(client_size "$win")
[ "$size" = 640x480 ] || fail "client area is $size"
sleep 0.5
"$xclose" "$win"
wait_exit "$GAME_PID" || fail "the close box did not end the game"
GAME_PID=
[ "$EXIT_CODE" = 0 ] || fail "exit value $EXIT_CODE"
echo "windowed start and close box: ok"
