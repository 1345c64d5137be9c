#!/usr/bin/env bash
# Sets everything up on a Debian machine, builds, and runs the whole test
# suite headless under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh test

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

# A private X server for the tests, unless one is given.
if [ -z "${PELEGESO_TEST_DISPLAY:-}" ]; then
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        xdpyinfo -display "$display" >/dev/null 2>&1 && break
        sleep 0.1
    done
    export DISPLAY=$display
else
    export DISPLAY=$PELEGESO_TEST_DISPLAY
fi
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

ctest --test-dir build --output-on-failure -j2 --timeout 300
