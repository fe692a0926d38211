#!/bin/bash
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package with CPack, checks what it holds and what it depends on, and has
# lintian check it: an error or a warning fails.
# debian_package.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1
app_id=$2
version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log"
    fail "cpack"
}
deb=$(ls "$work"/chuikomer_*.deb)
dpkg-deb -c "$deb" >"$work/contents"
for entry in \
    "./usr/lib/chuikomer/chuikomer" \
    "./usr/lib/chuikomer/Справка.html" \
    "./usr/lib/chuikomer/Help.html" \
    "./usr/games/chuikomer -> ../lib/chuikomer/chuikomer" \
    "./usr/share/applications/$app_id.desktop" \
    "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
    "./usr/share/metainfo/$app_id.metainfo.xml" \
    "./usr/share/man/man6/chuikomer.6.gz" \
    "./usr/share/man/ru/man6/chuikomer.6.gz" \
    "./usr/share/doc/chuikomer/copyright" \
    "./usr/share/doc/chuikomer/changelog.gz"; do
    grep -qF -- " $entry" "$work/contents" || {
        cat "$work/contents"
        fail "package lacks $entry"
    }
done
[ "$(dpkg-deb -f "$deb" Package)" = chuikomer ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
dpkg-deb -f "$deb" Maintainer | grep -q '@example.org>' || fail "maintainer"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
    fail "dependencies not taken from the libraries: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Depends | grep -qw 'xdg-utils' ||
    fail "the opener of the help and the site is not a dependency: $(dpkg-deb -f "$deb" Depends)"
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"

# The menu entry's command is the one the package puts on Debian's PATH.
dpkg-deb -x "$deb" "$work/root"
desktop=$work/root/usr/share/applications/$app_id.desktop
menu_command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -n "$menu_command" ] && [ -f "$work/root/usr/games/$menu_command" ] &&
    [ -x "$work/root/usr/games/$menu_command" ] ||
    fail "the menu entry runs '$menu_command', not in usr/games"
[ ! -e "$work/root/usr/bin" ] || fail "a game's command in usr/bin"

# The licence the software centre shows is the one the copyright file gives the code.
metainfo_licence=$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' \
    "$work/root/usr/share/metainfo/$app_id.metainfo.xml")
code_licence=$(awk '/^Files: \*$/ { code = 1 } code && /^License:/ { print $2; exit }' \
    "$work/root/usr/share/doc/chuikomer/copyright")
[ -n "$code_licence" ] && [ "$metainfo_licence" = "$code_licence" ] ||
    fail "metainfo licence '$metainfo_licence', copyright file '$code_licence'"

if [ "$(id -u)" -eq 0 ]; then as_root=--allow-root; else as_root=""; fi
lintian $as_root --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || {
    cat "$work/lintian.log"
    fail "lintian"
}
cat "$work/lintian.log"
