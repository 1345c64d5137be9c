#!/usr/bin/env bash
# Installs what the game needs from Debian's packages: "play" for building and
# running it, "test" for that plus the headless test tools.
set -euo pipefail

want=(build-essential cmake pkg-config
      libsdl2-dev libsdl2-mixer-dev libpng-dev zlib1g-dev
      libfreetype-dev libfontconfig-dev fonts-urw-base35 fonts-dejavu-core
      libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri)
if [ "${1:-play}" = test ]; then
    want+=(xvfb xdotool x11-utils x11-apps libx11-dev googletest libgtest-dev lame
           clang libclang-rt-14-dev dpkg-dev desktop-file-utils valgrind)
fi

missing=()
for pkg in "${want[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
