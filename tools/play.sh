#!/usr/bin/env bash
# Sets everything up on a Debian machine and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPELEGESO_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target pelegeso
exec ./build/pelegeso
