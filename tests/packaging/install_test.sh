#!/usr/bin/env bash
# Installs into a temporary prefix, moves the installed tree, and starts the game through a
# link to its launcher from another folder: the start question, the 640 x 480 window, the game
# running in the installed data folder, and exit 0 on the close request.
set -u
build=$1 xclose=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
. "$source_dir/tests/shell/xlib.sh"
. "$source_dir/tests/packaging/layout.sh"
tmp=$(readlink -f "$(mktemp -d)")
trap 'stop_x; rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/first" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log"; fail "cmake --install failed"; }
mv "$tmp/first" "$tmp/moved"
prefix=$tmp/moved
check_layout "$prefix"
diff -r "$source_dir/Data" "$prefix/share/pelegeso/Data" >/dev/null || fail "Data is not installed whole"
for size in 64 256; do
    check_png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/pelegeso.png" "$size"
done
check_desktop_entry "$prefix/share/applications/pelegeso.desktop"

mkdir "$tmp/elsewhere"
ln -s "$prefix/bin/pelegeso" "$tmp/elsewhere/game-link"
cd "$tmp/elsewhere" || exit 1
start_x 1024x768 || exit 1
SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} ./game-link </dev/null & GAME_PID=$!

answer "Start FullScreen?" Escape || fail "no start question taking No"
win=$(wait_window "Pelegeso Vesldurian") || fail "no game window after No"
size=$(client_size "$win")
[ "$size" = 640x480 ] || fail "client area is $size"
[ "$(readlink "/proc/$GAME_PID/exe")" = "$prefix/lib/pelegeso/pelegeso" ] ||
    fail "the launcher did not run the installed program"
[ "$(readlink "/proc/$GAME_PID/cwd")" = "$prefix/share/pelegeso" ] ||
    fail "the game does not run in the installed data folder"
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended by itself"
"$xclose" "$win"
wait_exit "$GAME_PID" || fail "the close request did not end the game"
GAME_PID=
[ "$EXIT_CODE" = 0 ] || fail "exit value $EXIT_CODE"
echo "install, moved prefix, launcher from another folder: ok"
