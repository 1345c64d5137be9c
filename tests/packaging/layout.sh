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
    local file=$1 size=$2 header
    header=$(od -An -tu1 -N24 "$file" | tr -s ' \n' ' ')
    set -- $header
    [ "$1 $2 $3 $4" = "137 80 78 71" ] || fail "$file is not a PNG"
    [ $((${17} * 16777216 + ${18} * 65536 + ${19} * 256 + ${20})) = "$size" ] &&
        [ $((${21} * 16777216 + ${22} * 65536 + ${23} * 256 + ${24})) = "$size" ] ||
        fail "$file is not ${size}x${size}"
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
