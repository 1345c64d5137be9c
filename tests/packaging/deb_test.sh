#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks what it holds and what it needs:
# the installed layout under /usr, nothing from outside the game's own folders, and the
# libraries and the font it depends on. cpack first brings the build tree up to date.
set -u
build=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
. "$source_dir/tests/shell/xlib.sh"
. "$source_dir/tests/packaging/layout.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if ! (cd "$build" && cpack -G DEB -B "$tmp") >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    tail -20 "$tmp"/_CPack_Packages/*/DEB/PreinstallOutput.log 2>/dev/null # the build cpack ran first
    fail "cpack failed"
fi
debs=("$tmp"/pelegeso_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single pelegeso .deb"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = pelegeso ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "wrong section"
declared=$(dpkg-deb -f "$deb" Depends | tr ",|" "\n\n" | sed "s/(.*)//; s/ //g")
for pkg in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libpng16-16 zlib1g libfreetype6 libfontconfig1 \
    libgl1 libglu1-mesa fonts-urw-base35; do
    grep -qxF "$pkg" <<<"$declared" || fail "Depends lacks $pkg: $(dpkg-deb -f "$deb" Depends)"
done

contents=$(dpkg-deb -c "$deb")
outside=$(awk '{print $6}' <<<"$contents" | grep -vE '^\./(usr/?)?$' |
    grep -vE '^\./usr/(bin/|bin/pelegeso|lib/|lib/pelegeso/.*|share/|share/pelegeso/.*|share/applications/.*|share/icons/.*|share/doc/|share/doc/pelegeso/.*)$')
[ -z "$outside" ] || fail "the package holds files of others: $outside"
for f in ./usr/bin/pelegeso ./usr/lib/pelegeso/pelegeso; do
    awk -v f="$f" '$6 == f && $1 ~ /^-rwxr-xr-x$/ && $2 == "root/root" {found = 1} END {exit !found}' \
        <<<"$contents" || fail "$f is not a root-owned executable in the package"
done

dpkg-deb -x "$deb" "$tmp/root"
check_layout "$tmp/root/usr"
diff -r "$source_dir/Data" "$tmp/root/usr/share/pelegeso/Data" >/dev/null || fail "Data is not packed whole"
# Every library package the packed program needs is declared (one of each set of
# alternatives); sanitizer run-times of checking builds aside.
if command -v dpkg-shlibdeps >/dev/null; then
    mkdir -p "$tmp/shlibs/debian" && : >"$tmp/shlibs/debian/control"
    needed=$(cd "$tmp/shlibs" && dpkg-shlibdeps -O "$tmp/root/usr/lib/pelegeso/pelegeso" 2>"$tmp/shlibs.log") ||
        { cat "$tmp/shlibs.log"; fail "dpkg-shlibdeps failed"; }
    for choice in $(sed "s/^shlibs:Depends=//; s/([^)]*)//g; s/ //g; s/,/ /g" <<<"$needed"); do
        grep -qE "^lib(a|ub|l|t)san" <<<"$choice" && continue
        ok=
        for alternative in ${choice//|/ }; do
            grep -qxF "$alternative" <<<"$declared" && ok=1
        done
        [ -n "$ok" ] || fail "Depends lacks $choice, which the program links"
    done
fi
echo "package contents and dependencies: ok"
