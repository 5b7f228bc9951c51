#!/usr/bin/env bash
# Validates the desktop integration files, the manual pages and the Debian
# package built from the build directory given as $1.
set -u
build=${1:?usage: packaging-validate.sh <build dir>}
top=$(cd "$(dirname "$0")/../.." && pwd)
pkg=$top/packaging
status=0
fail() { echo "packaging-validate: $*"; status=1; }

# Desktop entries. The Dolphin service menu is Type=Service, whose MimeType
# and Actions keys the validator reserves for applications; any other
# complaint counts.
desktop-file-validate "$pkg/tonewright.desktop" || fail "tonewright.desktop"
service=$(desktop-file-validate "$pkg/menus/dolphin/tonewright.desktop" 2>&1 |
    grep -v -e 'key "MimeType" is present in group "Desktop Entry", but the type is "Service"' \
            -e 'key "Actions" is present in group "Desktop Entry", but the type is "Service"')
[ -z "$service" ] || fail "Dolphin service menu: $service"

appstreamcli validate --no-net "$pkg/org.example.tonewright.Tonewright.metainfo.xml" >/dev/null ||
    { appstreamcli validate --no-net "$pkg/org.example.tonewright.Tonewright.metainfo.xml"; fail "metainfo"; }

for page in "$pkg"/man/*.1; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
python3 -c 'import py_compile, sys; py_compile.compile(sys.argv[1], cfile=sys.argv[2], doraise=True)' \
    "$pkg/menus/nautilus/tonewright-menu.py" "$tmp/menu.pyc" || fail "nautilus extension does not compile"
python3 -c 'import py_compile, sys; py_compile.compile(sys.argv[1], cfile=sys.argv[2], doraise=True)' \
    "$pkg/scripts/tonewright-menus" "$tmp/menus.pyc" || fail "tonewright-menus does not compile"
sh -n "$pkg/scripts/tonewright-each" || fail "tonewright-each"
xmllint --noout "$pkg/menus/thunar/uca.xml" 2>/dev/null || python3 -c \
    'import sys, xml.etree.ElementTree as e; e.parse(sys.argv[1])' "$pkg/menus/thunar/uca.xml" ||
    fail "Thunar actions are not well-formed"

# The Windows icon group: 17 images of the sizes and depths the shell picks from.
expected="16x16 4-bit bmp
16x16 8-bit bmp
16x16 32-bit bmp
24x24 4-bit bmp
24x24 8-bit bmp
24x24 32-bit bmp
32x32 4-bit bmp
32x32 8-bit bmp
32x32 32-bit bmp
48x48 4-bit bmp
48x48 8-bit bmp
48x48 32-bit bmp
64x64 4-bit bmp
64x64 8-bit bmp
64x64 32-bit bmp
128x128 32-bit bmp
256x256 32-bit png"
actual=$(python3 "$top/resources/icons/make-ico.py" --list "$top/resources/tonewright.ico" 2>&1)
[ "$actual" = "$expected" ] || fail "tonewright.ico: $actual"
if command -v x86_64-w64-mingw32-windres >/dev/null; then
    x86_64-w64-mingw32-windres -I "$top/resources" "$top/resources/tonewright.rc" -O coff \
        -o "$tmp/tonewright.res.o" || fail "tonewright.rc does not compile"
fi

# The Debian package, then lintian: errors fail, warnings are listed.
rm -f "$build"/tonewright_*.deb
if (cd "$build" && cpack -G DEB >"$tmp/cpack.log" 2>&1); then
    deb=$(ls "$build"/tonewright_*.deb)
    lintian --allow-root --fail-on error "$deb" >"$tmp/lintian.log" 2>&1 ||
        fail "lintian reports errors"
    sed 's/^/  lintian: /' "$tmp/lintian.log"
    # Libraries loaded by name are no link the shlibs would see.
    dpkg-deb -f "$deb" Depends | grep -q 'libsqlite3-0' ||
        fail "the package does not depend on SQLite, which a mirror loads"
else
    tail -20 "$tmp/cpack.log"
    fail "cpack -G DEB failed"
fi

[ "$status" -eq 0 ] && echo "packaging-validate: all checks passed"
exit $status
