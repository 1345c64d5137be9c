#!/bin/sh
# Renders the game's music with our generator and encodes it with LAME.
#   music.sh <generator> <out.mp3>                 writes the MP3
#   music.sh <generator> --check <committed.mp3>   renders afresh and compares bytes
# LAME writes its gapless header (encoder delay and padding), which the
# decoder uses to give back exactly the rendered samples, so the loop joins.
set -eu

generator=$1
command -v lame >/dev/null || { echo "music: lame is not installed (apt-get install lame)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$generator" "$work/Music.wav"
lame --silent --noreplaygain -q 2 -b 160 "$work/Music.wav" "$work/Music.mp3"

if [ "$2" = "--check" ]; then
    if cmp -s "$work/Music.mp3" "$3"; then
        echo "music: $3 matches a fresh render"
    else
        echo "music: $3 differs from a fresh render; run the 'music' target and commit it" >&2
        exit 1
    fi
else
    mv "$work/Music.mp3" "$2"
fi
