#!/usr/bin/env bash
# packaging/ci-check.sh BUILD_DIR
# Builds the Debian package from a built tree, installs it on this machine with apt-get,
# starts the game once through the command of its menu entry under a private X server
# (answers the start question, closes the window), checks exit 0, and removes the package
# again. Needs root, and the game not installed already.
set -u
[ $# = 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd) || exit 2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
. "$source_dir/tests/shell/xlib.sh"
[ "$(id -u)" = 0 ] || fail "needs root: it installs and removes a package"
dpkg-query -W -f='${Status}' pelegeso 2>/dev/null | grep -q installed &&
    fail "pelegeso is installed already; remove it first"
xclose=$build/tests/shell/xclose
[ -x "$xclose" ] || fail "no $xclose: build the tree with its tests first"
export DEBIAN_FRONTEND=noninteractive

tmp=$(mktemp -d)
chmod 755 "$tmp" # apt reads the local package as its own unprivileged user
installed=
cleanup() {
    stop_x
    [ -n "$installed" ] && timeout 300 apt-get purge -y -qq pelegeso >/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

(cd "$build" && timeout 600 cpack -G DEB -B "$tmp") >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail "cpack failed"; }
debs=("$tmp"/pelegeso_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no pelegeso .deb"
installed=1
timeout 600 apt-get install -y -qq "${debs[0]}" >"$tmp/apt.log" 2>&1 ||
    { cat "$tmp/apt.log"; fail "apt-get could not install ${debs[0]}"; }

entry=/usr/share/applications/pelegeso.desktop
command=$(sed -n 's/^Exec=//p' "$entry")
[ "$(command -v "$command")" = /usr/bin/pelegeso ] || fail "the menu entry's command '$command' is not /usr/bin/pelegeso"
start_x 1024x768 || exit 1
cd "$tmp" || exit 1
SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} "$command" </dev/null & GAME_PID=$!
answer "Start FullScreen?" Escape || fail "no start question taking No"
win=$(wait_window "Pelegeso Vesldurian") || fail "no game window after No"
[ "$(readlink "/proc/$GAME_PID/cwd")" = /usr/share/pelegeso ] || fail "the game does not run in /usr/share/pelegeso"
sleep 1
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended by itself"
"$xclose" "$win"
wait_exit "$GAME_PID" || fail "the close request did not end the game"
GAME_PID=
[ "$EXIT_CODE" = 0 ] || fail "exit value $EXIT_CODE"
cd /

timeout 300 apt-get purge -y -qq pelegeso >/dev/null || fail "apt-get could not remove the package"
installed=
[ ! -e /usr/bin/pelegeso ] && [ ! -e /usr/share/pelegeso ] || fail "removing the package left its files"
echo "package installed with apt-get, started from its menu command, closed with 0, removed: ok"
