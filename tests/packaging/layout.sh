# shellcheck shell=bash
# Checks of an installed tree, shared by the install test and the package check.

# check_layout PREFIX: the launcher, the program, the data, the menu entry, icons and docs.
check_layout() {
    local prefix=$1 f
    for f in bin/pelegeso lib/pelegeso/pelegeso; do
        [ -f "$prefix/$f" ] && [ -x "$prefix/$f" ] || fail "$f is missing or not executable"
    done
    for f in share/pelegeso/Data share/applications/pelegeso.desktop \
        share/icons/hicolor/64x64/apps/pelegeso.png share/icons/hicolor/256x256/apps/pelegeso.png \
        share/doc/pelegeso/LICENSE share/doc/pelegeso/README.md; do
        [ -e "$prefix/$f" ] || fail "$f is missing"
    done
}

# check_png_size FILE SIZE: a PNG file of SIZE x SIZE pixels.
check_png_size() {
    local file=$1 size=$2 w h
    [ "$(od -An -tx1 -N8 "$file" | tr -d " \n")" = 89504e470d0a1a0a ] || fail "$file is not a PNG"
    w=$((16#$(od -An -tx1 -j16 -N4 "$file" | tr -d " \n")))
    h=$((16#$(od -An -tx1 -j20 -N4 "$file" | tr -d " \n")))
    [ "${w}x$h" = "${size}x$size" ] || fail "$file is ${w}x$h, not ${size}x$size"
}

# check_desktop_entry FILE: the menu entry starts the command pelegeso under the game's name.
check_desktop_entry() {
    local file=$1 line
    for line in "Name=Pelegeso Vesldurian" "Exec=pelegeso" "Icon=pelegeso" \
        "Categories=Game;ArcadeGame;"; do
        grep -qxF "$line" "$file" || fail "$file lacks $line"
    done
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$file" || fail "$file does not validate"
    fi
}
