#!/usr/bin/env bash
# The soak, on demand (slow, so not part of tools/test.sh): the whole title and
# then scripted play under valgrind's memcheck, on a private X server with
# Mesa's software GL. Fails on any memcheck error or definite leak.
#   tools/soak/soak.sh [play frames] [build dir] [drawn play frames]
# Memcheck slows Mesa's rasteriser to about 0.3 s a frame, so two runs:
#  - the title and 10 000 frames of play with Mesa's no-op driver: every GL
#    call goes through Mesa's API and state code (client arrays are read,
#    textures uploaded), only the pixels are not rasterised (about 5 minutes);
#  - the title and 1 000 frames of play drawn by llvmpipe on one thread, the
#    same script, pixels and all (about 10 minutes).
# Logs go to <build dir>/soak/; their summaries are printed.
set -euo pipefail
cd "$(dirname "$0")/../.."
frames=${1:-10000}
build=${2:-build}
drawn=${3:-1000}
program=$build/tools/soak/pelegeso_soak
[ -x "$program" ] || { echo "build $program first (cmake --build $build --target pelegeso_soak)"; exit 1; }
command -v valgrind >/dev/null || { echo "valgrind is needed (apt-get install valgrind)"; exit 1; }

out=$build/soak
mkdir -p "$out"
rm -f "$out/display"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$out/display" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -s "$out/display" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$out/display")
export LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe LP_NUM_THREADS=0
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null # the music mixed into nothing

# soak <name> <play frames> [environment...]
soak() {
    local name=$1 count=$2 start status=0
    shift 2
    start=$(date +%s)
    env "$@" valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
        --errors-for-leak-kinds=definite --error-exitcode=99 \
        --suppressions=tools/soak/valgrind.supp --log-file="$out/valgrind-$name.log" \
        "$program" "$count" >"$out/soak-$name.log" 2>&1 || status=$?
    echo "== $name: the title and $count frames of play, $(( $(date +%s) - start )) s, exit $status"
    grep -E "^title frames" "$out/soak-$name.log" || true
    # The summary of the game's own process (a forked helper may log too).
    local pid
    pid=$(sed -n '1s/^==\([0-9]*\)==.*/\1/p' "$out/valgrind-$name.log")
    grep -E "^==$pid== +(ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|All heap)" \
        "$out/valgrind-$name.log" | sed 's/^==[0-9]*== *//'

    return $status
}

result=0
soak whole "$frames" GALLIUM_NOOP=1 || result=1
soak drawn "$drawn" || result=1
exit $result
