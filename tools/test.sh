#!/usr/bin/env bash
# Sets everything up on a Debian machine, builds, and runs the whole test
# suite headless under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh test

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

# A private X server for the tests, unless one is given. -noreset: a server
# that resets whenever its last client leaves refuses the next one for a
# moment, and tests connect and leave all the time.
if [ -z "${PELEGESO_TEST_DISPLAY:-}" ]; then
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$displayfile"' EXIT
    for _ in $(seq 100); do
        [ -s "$displayfile" ] && break
        sleep 0.1
    done
    [ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$(head -n1 "$displayfile")
else
    export DISPLAY=$PELEGESO_TEST_DISPLAY
fi
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

ctest --test-dir build --output-on-failure -j2 --timeout 300

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Leaks are reported for our code; the suppressions name third-party libraries only.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELEGESO_SANITIZE=ON
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0" \
    ctest --test-dir build-asan --output-on-failure -j2 --timeout 600

# The readers of the Data folder and the number format under libFuzzer (clang),
# each for a bounded time; tests/fuzz/README.md tells how to run them longer.
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DPELEGESO_FUZZ=ON -DPELEGESO_SANITIZE=ON -DPELEGESO_TOOLS=OFF
cmake --build build-fuzz -j"$(nproc)" --target fuzz_all
bash tests/fuzz/run.sh build-fuzz "${PELEGESO_FUZZ_SECONDS:-30}"

# In CI, as root: the Debian package installed on this machine and started once.
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
    bash packaging/ci-check.sh build
fi
