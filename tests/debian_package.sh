#!/bin/bash
# Builds the Debian package with CPack and checks what it holds and what it depends on.
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
    "./usr/bin/chuikomer -> ../lib/chuikomer/chuikomer" \
    "./usr/share/applications/$app_id.desktop" \
    "./usr/share/icons/hicolor/32x32/apps/$app_id.png" \
    "./usr/share/metainfo/$app_id.metainfo.xml"; do
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
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
