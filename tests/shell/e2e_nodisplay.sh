#!/usr/bin/env bash
# Without any display the game says so on standard error and exits, rather
# than running unseen on a driver that draws nowhere.
set -u
game=$1
cd "$(dirname "$0")/../.."
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$game" 2>&1 >/dev/null)
code=$?
[ "$code" = 0 ] || { echo "FAIL: exit value $code: $err" >&2; exit 1; }
echo "$err" | grep -q "no display could be opened" || { echo "FAIL: stderr was: $err" >&2; exit 1; }
echo "no display: ok"
