#!/usr/bin/env bash
# Full screen asked for: refused on a display without 640 x 480 (then No closes
# the program with 0), granted on a 640 x 480 display.
set -u
game=$1 xclose=$2
. "$(dirname "$0")/xlib.sh"
trap stop_x EXIT
cd "$(dirname "$0")/../.."

start_x 1024x768 || exit 1
"$game" & GAME_PID=$!
answer "Start FullScreen?" Return || fail "no start question taking Yes"
answer "OpenGL" Escape || fail "no 'mode not supported' question taking No"
answer "ERROR" Return || fail "no 'Program Will Now Close.' box"
wait_exit "$GAME_PID" || fail "the game did not close"
GAME_PID=
[ "$EXIT_CODE" = 0 ] || fail "exit value $EXIT_CODE after refusing windowed mode"
stop_x; XVFB_PID=

start_x 640x480 || exit 1
"$game" & GAME_PID=$!
answer "Start FullScreen?" Return || fail "no start question taking Yes"
win=$(wait_window "Pelegeso Vesldurian") || fail "no full-screen window"
xwininfo -root -tree | grep -qF '"OpenGL"' && fail "the mode was refused on a 640x480 display"
size=$(client_size "$win")
[ "$size" = 640x480 ] || fail "full-screen window is $size"
sleep 0.5
"$xclose" "$win"
wait_exit "$GAME_PID" || fail "the close box did not end the game"
GAME_PID=
[ "$EXIT_CODE" = 0 ] || fail "exit value $EXIT_CODE"
echo "full screen refused and granted: ok"
