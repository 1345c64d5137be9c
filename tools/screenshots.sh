#!/usr/bin/env bash
# Takes the README's screenshots from the real game under a private X server:
# the title once its overlay shows, and play after a short roll.
# Usage: tools/screenshots.sh [BUILD_DIR]   (needs xvfb, xdotool, x11-apps, imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
. tests/shell/xlib.sh
trap stop_x EXIT
start_x 640x480

shot() { xwd -root -silent | convert xwd:- -crop 640x480+0+0 +repage "$1"; }
hold() { xdotool keydown --window "$win" "$1" 2>/dev/null; sleep "$2"; xdotool keyup --window "$win" "$1" 2>/dev/null; }

"$build/pelegeso" >/dev/null 2>&1 & GAME_PID=$!
answer "Start FullScreen?" Escape
win=$(wait_window "Pelegeso Vesldurian")
sleep "${TITLE_WAIT:-14}"
shot docs/title.png

xdotool key --window "$win" Return 2>/dev/null
sleep 0.5
# Into the light props along the park path, then on towards the town.
hold w 0.3
hold d 0.5
hold w 2.5
hold a 1.0
hold w 3
hold a 0.5
hold w 2
hold e 1.0
shot docs/play.png
"$build/tests/shell/xclose" "$win" 2>/dev/null || kill "$GAME_PID"
